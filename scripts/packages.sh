# Installs the Debian packages named, only those missing. Sourced by run.sh, test.sh and
# scripts/package.sh.

# What building and running the program needs.
NUDGERY_RUN_PACKAGES=(
    cmake ninja-build g++ pkg-config
    # The windows write in the desktop's font, whatever font that is; Qt's own dependencies
    # bring one.
    qt6-base-dev qt6-svg-dev libgl-dev
    # Qt's SQLite driver keeps the history of reminders.
    libqt6sql6-sqlite
    libsdl2-mixer-dev fluid-soundfont-gm
    # Qt's platform plugin for running natively on a Wayland desktop.
    qt6-wayland
    # Calendar files are read and written with libical; a command calls the running program
    # on the session bus through libdbus.
    libical-dev libdbus-1-dev
    # The translations: lupdate and lrelease (qt6-l10n-tools) through Qt's CMake functions
    # (qt6-tools-dev), and Qt's own translations of its dialogs (qt6-translations-l10n).
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

# What the tests, the benchmarks and the fuzzer need besides. xvfb is for looking at the
# windows on a machine without a desktop; the tray test starts the program on an Xvfb of
# its own with trayer as the notification area and looks at the windows through libxcb;
# the window-title test reads the titles there (x11-utils: xwininfo, xprop); both press
# keys and click with xdotool. scripts/screenshots.sh, run as a test too, frames the
# windows with openbox and takes the pictures with ImageMagick's import. The install test
# checks the desktop entry and the AppStream metadata with the distribution's validators.
# openbox is also the window manager of the keyboard-focus test and of the tray test's
# rounds into the tray and back.
# bench/startup/measure.py counts the idle system calls with strace.
# The desktop-notification tests run real notification servers (dunst and notification-daemon
# on Xvfb, mako in a headless sway session) on a
# bus of their own (dbus-daemon) and read what was sent with busctl's monitor (systemd).
# Under sway the program also runs natively on Wayland, with swaybar (part of sway) as the
# StatusNotifierItem host of its tray icon.
# openbox is also the window manager of the keyboard-focus test.
# bench/startup/measure.py counts the idle system calls with strace. The calendar tests read
# the program's calendar files a second way, with python3-icalendar and python3-dateutil.
# The accessibility tests read the windows as a screen reader does, through AT-SPI
# (at-spi2-core's bus and registry, python3-pyatspi); the widget tests turn Qt's
# accessibility on through its platform side (qt6-base-private-dev) to hear its events.
NUDGERY_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev
    xvfb xauth trayer xdotool libxcb1-dev
    openbox x11-utils imagemagick
    desktop-file-utils appstream strace
    dbus-daemon dbus-bin systemd dunst notification-daemon mako-notifier sway
    python3-icalendar python3-dateutil
    at-spi2-core python3-pyatspi qt6-base-private-dev
)

# What scripts/package.sh needs besides: CPack finds the package's dependencies with
# dpkg-shlibdeps, and the program files among the installed ones with file.
NUDGERY_PACKAGE_PACKAGES=(
    dpkg-dev file
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
