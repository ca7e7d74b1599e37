# zorozo_test(NAME LABEL label SOURCES ... LIBS ...)
# One GoogleTest executable whose cases CTest discovers one by one, all carrying
# LABEL so that a subset runs with `ctest -L unit`, `-L db`, `-L window` ...
find_package(GTest REQUIRED)
include(GoogleTest)

function(zorozo_test name)
    cmake_parse_arguments(T "" "LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT})
endfunction()
