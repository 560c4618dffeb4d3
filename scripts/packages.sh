# Installs the Debian packages named, only those missing. Sourced by run.sh and test.sh.

# What building and running the program needs.
NUDGERY_RUN_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    # Liberation Sans stands in for Arial, whose metrics the windows' fixed layouts assume.
    fonts-liberation2
    libsdl2-mixer-dev fluid-soundfont-gm
)

# What the tests, the benchmarks and the fuzzer need besides. xvfb is for looking at the
# windows on a machine without a desktop; the tray test starts the program on an Xvfb of
# its own with trayer as the notification area, clicks with xdotool and looks at the
# windows through libxcb; openbox is the window manager of the keyboard-focus test.
NUDGERY_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev
    xvfb xauth trayer xdotool openbox libxcb1-dev
)

ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
