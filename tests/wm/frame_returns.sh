#!/usr/bin/env bash
# Start, Exit, start, Exit under Xvfb and Openbox: a frame the reader did not move comes
# back exactly, so the settings file holds the same main-window lines after every run.
# Usage: frame_returns.sh PROGRAM DATABASE. Exit 77 (skipped) without Xvfb, Openbox or xdotool.
set -euo pipefail
program=$1
database=$2

for tool in xvfb-run Xvfb openbox xdotool xprop xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
if [[ -z "${LECTARIUM_UNDER_WM:-}" ]]; then
    exec env LECTARIUM_UNDER_WM=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

# The program must show on this X display whatever platform the caller's environment
# names (tests often run with QT_QPA_PLATFORM=offscreen).
export QT_QPA_PLATFORM=xcb

folder=$(mktemp -d)
wm_pid=""
program_pid=""
# Whatever way the script ends, what it started ends with it.
cleanup() {
    if [[ -n "$program_pid" ]] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$program_pid" 2>/dev/null || true
    fi
    [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT

# On a failure: what the program said and how it ended, and what the display shows.
report() {
    echo "--- the program's output:" >&2
    cat "$folder/program.log" >&2 2>/dev/null || true
    if [[ -n "$program_pid" ]] && ! kill -0 "$program_pid" 2>/dev/null; then
        local status=0
        wait "$program_pid" 2>/dev/null || status=$?
        echo "--- the program has ended, exit status $status" >&2
    else
        echo "--- the program is still running" >&2
    fi
    echo "--- the named windows on the display:" >&2
    xwininfo -root -tree 2>&1 | grep '"' >&2 || true
}

openbox --sm-disable >"$folder/openbox.log" 2>&1 &
wm_pid=$!
# Openbox names its check window before it lists what it supports; activating a
# window needs _NET_ACTIVE_WINDOW in that list, so wait for the list itself.
wm_ready=""
for _ in $(seq 200); do
    if xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW; then
        wm_ready=1
        break
    fi
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ -z "$wm_ready" ]]; then
    if ! kill -0 "$wm_pid" 2>/dev/null; then
        echo "skipped: Openbox could not run on this display; it said:"
        cat "$folder/openbox.log"
        exit 77
    fi
    echo "Openbox runs but has not announced _NET_ACTIVE_WINDOW after 20 s; it said:" >&2
    cat "$folder/openbox.log" >&2
    exit 1
fi

cp "$database" "$folder/Lectarium.mdb"
# The defaults, with confirmations off so that Exit ends the program without asking.
{
    printf '%s\r\n' 'Under_Line_Chr = *' 'Hidder = -1' 'Hidder_Under_Line = -1' \
        'MDILectarium.Toolbar.Checked = -1' 'MDILectarium.Datee.Checked = -1' \
        'MDILectarium.Massage.Checked =  0' 'MDILectarium.Date_Bar_On_Top.Checked = -1' \
        'MDILectarium.Reset_Date.Checked = -1' 'MDILectarium.Save_On_Exit.Checked = -1' \
        'Font_Name = Arabic Transparent' 'Font_Size =  12' 'Font_Bold =  0' 'Font_Italic =  0' \
        'Fore_Color = -2147483640' 'Back_Color = -2147483643' 'MDILectarium_WindowState =  0' \
        'MDILectarium_Width =  6150' 'MDILectarium_Height =  4000' 'MDILectarium_Top =  2400' \
        'MDILectarium_Left =  3000' 'FrmBible_Select_WindowState =  0' 'FrmBible_Select_Top =  300' \
        'FrmBible_Select_Left =  300' 'FrmBible_View_WindowState =  0' 'FrmBible_View_Width =  6150' \
        'FrmBible_View_Height =  4000' 'FrmBible_View_Top =  2400' 'FrmBible_View_Left =  3000' \
        'FrmDisplay_Bible_WindowState =  0' 'FrmDisplay_Bible_Top =  2970' 'FrmDisplay_Bible_Left =  3525' \
        'FrmDisplay_Bible_Height =  3855' 'FrmDisplay_Bible_Width =  4800' \
        'FrmDisplay_Reading_WindowState =  0' 'FrmDisplay_Reading_Top =  2070' \
        'FrmDisplay_Reading_Left =  1725' 'FrmPain_WindowState =  0' 'FrmPain_Top =  2500' \
        'FrmPain_Left =  2655' 'FrmPain_Height =  4590' 'FrmPain_Width =  6765' \
        'FrmSelect_Day_WindowState =  0' 'FrmSelect_Day_Top =  300' 'FrmSelect_Day_Left =  300' \
        'FrmView_Search_WindowState =  0' 'FrmView_Search_Width =  6150' 'FrmView_Search_Height =  4000' \
        'FrmView_Search_Top =  2400' 'FrmView_Search_Left =  3000'
} >"$folder/Lectarium.ini"
cp "$folder/Lectarium.ini" "$folder/prepared.ini"

# Waits for a visible window whose title is exactly NAME; prints its id. Stops waiting
# when the program has ended.
wait_window() {
    local id=""
    for _ in $(seq 900); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) && [[ -n "$id" ]] && break
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    [[ -n "$id" ]] || {
        echo "no window \"$1\" appeared" >&2
        return 1
    }
    echo "$id"
}

# A window manager that ends during the test leaves nothing to test here: skip, with
# what Openbox said, rather than fail on the missing manager.
wm_still_running() {
    kill -0 "$wm_pid" 2>/dev/null && return 0
    echo "skipped: Openbox ended during the test; it said:"
    cat "$folder/openbox.log"
    exit 77
}

# Brings window ID forward and sends it KEY; a window just mapped may not take the
# focus on the first request, so ask again for a while.
activate_and_press() {
    for _ in $(seq 25); do
        wm_still_running
        if timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null; then
            xdotool key "$2"
            return 0
        fi
        sleep 0.2
    done
    echo "window $1 could not be activated; the root window says:" >&2
    xprop -root _NET_SUPPORTED _NET_ACTIVE_WINDOW >&2 || true
    cat "$folder/openbox.log" >&2
    return 1
}

one_run() {
    local run=$1
    (cd "$folder" && exec "$program") >"$folder/program.log" 2>&1 &
    local pid=$!
    program_pid=$pid
    # The credits close on Escape, the splash on any key.
    intro=$(wait_window Introduction) || { report; return 1; }
    activate_and_press "$intro" Escape || { report; return 1; }
    sleep 2
    xdotool key space
    sleep 2
    local frame
    frame=$(wait_window Lectarium) || { report; return 1; }
    # The window manager's close: the frame's close box runs Exit.
    activate_and_press "$frame" alt+F4 || { report; return 1; }
    for _ in $(seq 600); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "run $run: the program did not end on the frame's close" >&2
        report
        return 1
    fi
    local status=0
    wait "$pid" || status=$?
    program_pid=""
    if [[ $status -ne 0 ]]; then
        echo "run $run: the program ended with exit status $status; it said:" >&2
        cat "$folder/program.log" >&2
        return 1
    fi
    cp "$folder/Lectarium.ini" "$folder/run$run.ini"
}

one_run 1 || exit 1
one_run 2 || exit 1

status=0
for run in 1 2; do
    if ! cmp -s "$folder/prepared.ini" "$folder/run$run.ini"; then
        echo "after run $run the settings file differs from the one the frame was placed from:" >&2
        diff <(tr -d '\r' <"$folder/prepared.ini") <(tr -d '\r' <"$folder/run$run.ini") >&2 || true
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "the frame came back exactly in both runs"
exit $status
