#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The real stereon process on the X display of the test run: it shows a session named on the
# command line, remembers it on a normal close and opens it again at the next start, and a
# user who types a point and saves finds it in the file afterwards.
#
# usage: e2e_stereon.sh STEREON STEREON_CLI CLOSEWINDOW SCENE.zdr
set -eu

stereon=$1
cli=$2
closewindow=$3
scene=$4

work=$(mktemp -d)
pid=

cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The program keeps settings.cfg beside its binary, so a copy in a fresh folder starts with
# settings of its own.
cp "$stereon" "$work/stereon"
cp "$scene" "$work/scene.zdr"
printf 'en\n1\n' >"$work/settings.cfg"

# start [SESSION]: runs the program and waits for its main window; sets $pid and $window.
start() {
    # From its own folder, where the file dialogs open.
    (cd "$work" && exec ./stereon "$@") &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name ' - Stereon$' |
             head -n 1) || fail "no Stereon window appeared"
    # Let the first frames settle before anyone looks or types.
    sleep 1
    xdotool windowfocus --sync "$window"
}

# close_window: closes the main window the way a window manager does and waits for the
# program to end; a normal close exits with 0.
close_window() {
    "$closewindow" "$window"
    # A program that does not end (a prompt it should not show, say) fails the test here
    # instead of running into the test's time limit.
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        fail "stereon did not close"
    fi
    status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "stereon exited with $status"
}

# screenshot FILE: the main window as it is on the screen, which must show more than a few
# colours (a blank or unpainted window has one or two).
screenshot() {
    import -window "$window" "$1"
    colours=$(identify -format '%k' "$1")
    [ "$colours" -ge 16 ] || fail "$1 looks blank ($colours colours)"
}

settings_session() {
    sed -n 2p "$work/settings.cfg"
}

# 1. A session named on the command line is shown and remembered.
start "$work/scene.zdr"
screenshot "$work/first.png"
close_window
[ "$(settings_session)" = "1$work/scene.zdr" ] ||
    fail "settings after the first run: $(settings_session)"

# 2. Without a session on the command line the last one comes back: the window looks the
# same as when the file was named.
start
screenshot "$work/second.png"
differing=$(compare -metric AE "$work/first.png" "$work/second.png" null: 2>&1) || true
[ "$differing" = 0 ] || fail "the last session did not come back ($differing pixels differ)"

# 3. The user adds a point on the point page (F4) and saves the session under another name
# from there (Ctrl+Shift+S); the title bar marks the change until then.
xdotool key F4
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 30 'Q1'
xdotool key Return
xdotool type --delay 30 '1.5'
xdotool key Return
xdotool type --delay 30 -- '-2'
xdotool key Return
xdotool type --delay 30 '3'
xdotool key Return
sleep 0.5
[ "$(xdotool getwindowname "$window")" = 'scene.zdr* - Stereon' ] ||
    fail "title after the change: $(xdotool getwindowname "$window")"
xdotool key ctrl+shift+s
# xdotool's search by name can list the dialog's parent too: the dialog is the other window.
dialog=
for _ in $(seq 150); do
    dialog=$(xdotool search --onlyvisible --pid "$pid" --name 'Save Stereon Session' |
             grep -vx "$window" | head -n 1) || true
    [ -n "$dialog" ] && break
    sleep 0.2
done
[ -n "$dialog" ] || fail "no save dialog"
# Only a name that starts like no file there: the dialog opens in the session's folder, and
# the completer's list would take the keys. A dialog that was not ready for the keys yet (it
# comes up slowly under the sanitizers) gets them again.
for _ in 1 2 3; do
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 30 out.zdr
    xdotool key Return
    for _ in $(seq 25); do
        [ -s "$work/out.zdr" ] && break
        sleep 0.2
    done
    [ -s "$work/out.zdr" ] && break
done
[ -s "$work/out.zdr" ] || fail "the session was not saved"
sleep 0.5
[ "$(xdotool getwindowname "$window")" = 'out.zdr - Stereon' ] ||
    fail "title after saving: $(xdotool getwindowname "$window")"
close_window
[ "$(settings_session)" = "1$work/out.zdr" ] ||
    fail "settings after saving: $(settings_session)"

shown=$("$cli" show "$work/out.zdr" Q1 A) || fail "stereon-cli cannot read the saved file"
echo "$shown" | grep -qx 'Point Q1 \[1.5; -2; 3\]' || fail "Q1 is not in the saved file: $shown"
echo "$shown" | grep -q '^Point A ' || fail "the loaded session is not in the saved file"
echo "e2e: passed"
