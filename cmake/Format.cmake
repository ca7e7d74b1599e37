# `cmake --build build -t format` formats every C++ file of the project in place.
find_program(CLANG_FORMAT clang-format)
if(CLANG_FORMAT)
    file(GLOB_RECURSE ZOROZO_FORMAT_FILES CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h
        ${CMAKE_SOURCE_DIR}/tests/*.cpp ${CMAKE_SOURCE_DIR}/tests/*.h
        ${CMAKE_SOURCE_DIR}/bench/*.cpp)
    add_custom_target(format COMMAND ${CLANG_FORMAT} -i ${ZOROZO_FORMAT_FILES}
        COMMENT "clang-format" VERBATIM)
endif()
