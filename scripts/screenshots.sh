#!/usr/bin/env bash
# Pictures of the program for README.md and the software centres: starts the built program
# on an X server of its own (Xvfb, with openbox around the windows when it is installed)
# over a data file of everyday reminders, drives it with xdotool as a user would, and saves
# PNGs of the main window (both pages), a notification, both reminder editors (the repeating
# one on three kinds of day rule) and the Preferences dialog; and, where dbus-daemon and
# notification-daemon are installed, the desktop's own notification of the reminder beside
# the program's window. Rerun it when the look of a window changes, and with --lang to look
# at the windows in each language for clipped text.
#
# Usage: scripts/screenshots.sh [--build-dir DIR] [--no-build] [--scale N] [--lang L] [OUTPUT]
#   OUTPUT      where the PNGs go; docs/ of this repository by default, and
#               screenshots-L/ in the build folder with --lang
#   --lang L    the program in language L (de, fr) instead of English
#   --build-dir the build folder holding the program; build/ by default
#   --no-build  use the program and the sample-data helper as they are built
#   --scale N   QT_SCALE_FACTOR for the program, to look at it on a high-resolution screen
# Needs Xvfb, xdotool and ImageMagick's import; openbox when it is there.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$repo/build"
output=
make=1
scale=1
lang=
while [ $# -gt 0 ]; do
    case "$1" in
        --build-dir) build="$(cd "$2" && pwd)"; shift 2 ;;
        --no-build) make=0; shift ;;
        --scale) scale="$2"; shift 2 ;;
        --lang) lang="$2"; shift 2 ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) output="$1"; shift ;;
    esac
done
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots.sh needs $tool" >&2; exit 1; }
done
# The windows' titles (as xdotool's patterns, with .* for each letter beyond ASCII)
# and the keys of File > Set Preferences, in the language shown.
case "$lang" in
    "") locale=en_US.UTF-8 main_title='Nudgery!' notification_title='Reminder Notification'
        editor_title='Reminder Description' repeating_title='Repeating Reminder Description'
        preferences_title='Preferences' file_key=alt+f preferences_key=s ;;
    de) locale=de_DE.UTF-8 main_title='Nudgery!' notification_title='F.*llige Erinnerung'
        editor_title='Einmalige Erinnerung' repeating_title='Wiederholte Erinnerung'
        preferences_title='Einstellungen' file_key=alt+d preferences_key=s ;;
    fr) locale=fr_FR.UTF-8 main_title='Nudgery!' notification_title='Rappel .*chu'
        editor_title='Description du rappel' repeating_title='Description du rappel r.*p.*titif'
        preferences_title='Pr.*f.*rences' file_key=alt+f preferences_key=p ;;
    *) echo "no translation for --lang $lang" >&2; exit 2 ;;
esac
[ -n "$output" ] || output="$repo/docs"
[ -z "$lang" ] || [ "$output" != "$repo/docs" ] || output="$build/screenshots-$lang"
if [ "$make" = 1 ]; then
    cmake --build "$build" --target nudgery sample_reminders
fi
mkdir -p "$output"
output="$(cd "$output" && pwd)"

scratch="$(mktemp -d)"
pids=()
finish() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap finish EXIT

# The program runs from a folder of its own, which then holds its data and settings.
mkdir -p "$scratch/program" "$scratch/runtime" "$scratch/config"
chmod 700 "$scratch/runtime"
cp "$build/nudgery" "$build/libnudgery_window.so" "$build/NUDGERY.HLP" "$scratch/program/"
cp -r "$build/translations" "$scratch/program/"
"$build/dist/sample_reminders" "$scratch/program/Nudgery.dat"
# The tray stays out of the pictures.
printf '[Tray]\nUse=0\n' >"$scratch/program/NUDGERY.INI"

# An X server on a display number that no other server uses: Xvfb picks it itself.
width=$(awk -v s="$scale" 'BEGIN { printf "%d", 1024 * s }')
height=$(awk -v s="$scale" 'BEGIN { printf "%d", 768 * s }')
Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$scratch/display" \
    2>"$scratch/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$scratch/display")"

if command -v openbox >/dev/null; then
    # The program starts once openbox has finished starting, as in a desktop session: a
    # window mapped while it is still starting may be left unmanaged and unmapped.
    openbox --sm-disable --config-file /dev/null --startup "touch '$scratch/openbox.ready'" \
        >"$scratch/openbox.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        [ -e "$scratch/openbox.ready" ] && break
        sleep 0.1
    done
fi

# The desktop's notification service, on a session bus of its own, where it is installed.
bus=disabled:
notification_daemon=/usr/lib/notification-daemon/notification-daemon
if command -v dbus-daemon >/dev/null && [ -x "$notification_daemon" ]; then
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$scratch/runtime/bus" \
        >"$scratch/dbus.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        [ -S "$scratch/runtime/bus" ] && break
        sleep 0.1
    done
    bus="unix:path=$scratch/runtime/bus"
    DBUS_SESSION_BUS_ADDRESS="$bus" "$notification_daemon" --replace >"$scratch/daemon.log" 2>&1 &
    pids+=($!)
    # The program asks for the service once, as its window opens: the server must hold the
    # name by then, however slowly it starts on a busy machine.
    for _ in $(seq 300); do
        dbus-send --bus="$bus" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
            grep -q 'boolean true' && break
        sleep 0.1
    done
fi

(
    cd "$scratch/program"
    exec env -i PATH="$PATH" HOME="$scratch" DISPLAY="$DISPLAY" LANG="$locale" \
        XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" \
        XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" \
        SDL_AUDIODRIVER=dummy DBUS_SESSION_BUS_ADDRESS="$bus" ./nudgery
) >"$scratch/program.log" 2>&1 &
program=$!
pids+=("$program")

# The id of the shown window whose title starts with $1, once it is there.
window() {
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1" | head -n 1) || true
    [ -n "$id" ] || { echo "the window \"$1\" did not show" >&2; return 1; }
    echo "$id"
}
# Waits until no shown window's title starts with $1.
closed() {
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name "^$1" >/dev/null || return 0
        sleep 0.1
    done
    echo "the window \"$1\" did not close" >&2
    return 1
}
# Saves window $1 with its frame as $2.png, once it has been drawn: two pictures taken
# a moment apart are the same.
grab() {
    local file="$output/$2.png" previous="$scratch/previous.png"
    import -window "$1" -frame "$previous"
    for _ in $(seq 50); do
        sleep 0.2
        import -window "$1" -frame "$file"
        cmp -s "$file" "$previous" && return 0
        cp "$file" "$previous"
    done
}
# A click at $2,$3 in window $1, in the program's own (unscaled) pixels.
click() {
    xdotool mousemove --window "$1" "$(awk -v v="$2" -v s="$scale" 'BEGIN { printf "%d", v * s }')" \
        "$(awk -v v="$3" -v s="$scale" 'BEGIN { printf "%d", v * s }')" click "${4:-1}"
}
key() {
    xdotool key --clearmodifiers "$@"
}
# Brings window $1 to the front with the keyboard's focus; without a window manager, only
# the focus.
activate() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

main=$(window "$main_title")
# One reminder is due as the program starts; the first check, after five seconds, shows it.
notification=$(window "$notification_title")
grab "$notification" notification
if [ "$bus" != disabled: ]; then
    # notification-daemon's bubble, a window without a title, and the program's window
    # under it: the part of the screen that holds both.
    bubble=$(timeout 20 xdotool search --sync --onlyvisible --name '^Notification$' |
        head -n 1) || true
    if [ -n "$bubble" ]; then
        sleep 1
        eval "$(xdotool getwindowgeometry --shell "$bubble")"
        bubble_right=$((X + WIDTH)) bubble_top=$Y
        eval "$(xdotool getwindowgeometry --shell "$notification")"
        left=$((X - 8)) top=$((bubble_top - 8))
        import -window root -crop "$((bubble_right + 8 - left))x$((Y + HEIGHT + 8 - top))+$left+$top" \
            "$output/desktop-notification.png"
    fi
fi
activate "$notification"
key Return
closed "$notification_title"

activate "$main"
grab "$main" main-window
# The dentist's row (the fourth) opens in the one-time editor.
click "$main" 100 154
key Return
editor=$(window "$editor_title")
grab "$editor" one-time-editor
key Escape
closed "$editor_title"

# The "Repeat Reminders" tab, at the bottom of the window.
click "$main" 115 321
# Its first reminder: several times a day on working days.
click "$main" 100 94
grab "$main" main-window-repeating
key Return
editor=$(window "$repeating_title")
grab "$editor" repeating-editor
key Escape
closed "$repeating_title"
# The editor on the other kinds of day rule: the rent on the first of every month (the
# fourth reminder), the book club on the second Thursday (the fifth).
for rule in "154 repeating-editor-day-of-month" "174 repeating-editor-weekday-of-month"; do
    set -- $rule
    activate "$main"
    click "$main" 100 "$1"
    key Return
    editor=$(window "$repeating_title")
    grab "$editor" "$2"
    key Escape
    closed "$repeating_title"
done

activate "$main"
key "$file_key"
key "$preferences_key"
preferences=$(window "$preferences_title")
grab "$preferences" preferences
key Escape
closed "$preferences_title"

kill -TERM "$program"
wait "$program"
echo "Pictures saved in $output"
