# Shared by scripts/play and scripts/test: installs what is missing and builds.

# The Debian packages every build needs.
GALLORIA_PACKAGES=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n fonts-liberation2 xvfb xauth clang-format)
# What the tests of the installed tree and of the Windows build need.
GALLORIA_TEST_PACKAGES=(desktop-file-utils appstream g++-mingw-w64-x86-64-posix wine wine64)
# What scripts/package needs to make and check the .deb.
GALLORIA_PACKAGE_TOOLS=(dpkg-dev file desktop-file-utils appstream lintian)

# What scripts/fuzz needs besides: clang with libFuzzer and the sanitizer runtimes.
GALLORIA_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Installs the packages among "$@" that are not installed yet.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# Configures and builds the tree into the folder $1 with the extra cmake arguments after it.
build_into() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
    cmake --build "$folder"
}

# Fails, naming the files, when a C++ file of the tree is not laid out as
# .clang-format says; `clang-format -i FILE` mends one.
check_format() {
    local unformatted
    unformatted=$(git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run 2>&1 | grep -o '^[^:]*:[0-9]*:[0-9]*: warning' | cut -d: -f1 | sort -u || true)
    if [ -n "$unformatted" ]; then
        echo "Not formatted as .clang-format says (clang-format -i mends them):" >&2
        echo "$unformatted" >&2
        return 1
    fi
}
