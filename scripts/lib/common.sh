# Shared by scripts/test, scripts/run and scripts/server: packages and the build.
# Sourced, not run.

ZOROZO_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# What the build, the tests and the program need from Debian.
ZOROZO_PACKAGES=(
    cmake ninja-build g++ pkg-config clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev
    unixodbc unixodbc-dev odbc-mariadb
    mariadb-server mariadb-client
    xvfb xauth fonts-liberation2 fonts-open-sans fonts-dejavu-core
)

say() { printf '==> %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Installs the packages that are missing; quick when all are there.
install_packages() {
    local missing=() p
    for p in "${ZOROZO_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq || die "apt-get update failed"
    # With the recommended packages: Qt's X platform plugin (qt6-qpa-plugins)
    # and the fonts' configuration come that way.
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null ||
        die "apt-get install failed"
}

# Configures (once) and builds into build/.
build_project() {
    local dir="$ZOROZO_TOP/build"
    if [ ! -f "$dir/build.ninja" ]; then
        say "configuring $dir"
        cmake -S "$ZOROZO_TOP" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ||
            die "cmake configure failed"
    fi
    say "building"
    cmake --build "$dir" -j"$(nproc)" || die "build failed"
}
