# Every way of ending the program keeps a scene quick-saved just before
# (Ctrl+1): closing the window, SIGTERM and SIGINT, each with code 0.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb
set_picture 800 600
for way in close TERM INT; do
    own_data
    start_app
    wait_window
    wait_first_frame
    xdotool key ctrl+1
    sleep 0.5
    case "$way" in
        close) "$BUILD_DIR/x11-close" "$WINDOW" || fail "could not send the close request" ;;
        *) kill -s "$way" "$APP_PID" ;;
    esac
    wait_exit 30
    [ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE after $way"
    n=$(grep -c '^\[Name\]:' "$APP_DIR/Data/scene.ini")
    [ "$n" -eq 7 ] || fail "after $way the file holds $n scenes, not the 6 starters and the quick-saved one"
    grep -qE '^\[Name\]:[0-9]+-[ 0-9]{2}-[0-9]{4} [ 0-9]{2}:[ 0-9]{2}:[ 0-9]{2}$' "$APP_DIR/Data/scene.ini" ||
        fail "after $way no scene named with the date and time"
done
echo "PASS: closing the window, SIGTERM and SIGINT keep a quick-saved scene"
