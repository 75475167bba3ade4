# Where the main window's tool bar controls and board lie, for scripts that
# work the real program with xdotool and read its screenshots; source this file.
#
# The numbers are those of resources/forms/TFORM1, so a change there is made
# here too. Each control's Left, Top, Width and Height are given as the
# description stores them, inside the tool bar pnl1. pnl1 stands at (1, 1) in
# pnl2, and pnl2 fills what the frame leaves free right of its 10-pixel left
# strip and under its 40-pixel title bar (resources/forms/TNEOFORM): the tool
# bar starts at (11, 41) in the window. The board img1 stands at (1, 34) in
# pnl2, so at (11, 74).
#
# Positions are window coordinates at WINDOW_SCALE (1 unless set), the factor
# the program runs at (QT_SCALE_FACTOR): every pixel of the description is
# WINDOW_SCALE screen pixels wide.

TOOLBAR_LEFT=11
TOOLBAR_TOP=41
BOARD_LEFT=11
BOARD_TOP=74
# The board's cells are 5 pixels apart, a grid line in front of each.
BOARD_CELL_PITCH=5
# The part of the board the window shows at its start-up size, 1012 x 703, as
# a crop: what the frame's 13-pixel right strip and 12-pixel bottom strip and
# pnl2's one-pixel bevel leave of the window right of and under its origin.
BOARD_SHOWN_AT_START=987x616+$BOARD_LEFT+$BOARD_TOP

# Prints "left top width height" of control $1 in the tool bar, as TFORM1 has it.
toolbar_control() {
  case $1 in
  clear) echo 11 4 57 25 ;;         # btn4, 清屏
  random) echo 76 4 57 25 ;;        # btn3, 随机
  seeds) echo 140 6 49 21 ;;        # edt2, how many cells Random seeds
  generations) echo 274 6 65 21 ;;  # edt1, how many generations Evolve runs
  evolve) echo 341 4 64 25 ;;       # btnGo, 进化
  stop) echo 409 4 60 25 ;;         # btnStop, 停止
  status) echo 511 10 52 13 ;;      # lbl2, the status line
  *)
    echo "no tool bar control named '$1'" >&2
    return 1
    ;;
  esac
}

# Prints "x y", the window point in the middle of control $1; a middle that
# falls between two pixels is the right or lower one.
control_centre() {
  local box left top width height scale=${WINDOW_SCALE:-1}
  box=$(toolbar_control "$1") || return 1
  read -r left top width height <<<"$box"
  echo $((scale * (2 * (TOOLBAR_LEFT + left) + width) / 2)) \
    $((scale * (2 * (TOOLBAR_TOP + top) + height) / 2))
}

# Prints "x y", the window point of control $1's top-left corner.
control_origin() {
  local box left top _ scale=${WINDOW_SCALE:-1}
  box=$(toolbar_control "$1") || return 1
  read -r left top _ <<<"$box"
  echo $((scale * (TOOLBAR_LEFT + left))) $((scale * (TOOLBAR_TOP + top)))
}

# Prints control $1's rectangle in the window as ImageMagick crops take it, WxH+X+Y.
control_rect() {
  local box left top width height scale=${WINDOW_SCALE:-1}
  box=$(toolbar_control "$1") || return 1
  read -r left top width height <<<"$box"
  echo "$((scale * width))x$((scale * height))+$((scale * (TOOLBAR_LEFT + left)))+$((scale * (TOOLBAR_TOP + top)))"
}

# Clicks the close glyph of window $1, $2 pixels wide: 13 pixels in from the
# right end of the title bar.
click_close_glyph() {
  local scale=${WINDOW_SCALE:-1}
  xdotool mousemove --window "$1" $(($2 - 13 * scale)) $((13 * scale)) click 1
}

# Clicks the middle of control $2 in window $1.
click_control() {
  local at x y
  at=$(control_centre "$2") || return 1
  read -r x y <<<"$at"
  xdotool mousemove --window "$1" "$x" "$y" click 1
}

# Clicks edit field $2 in window $1 and replaces its text with $3.
type_into() {
  local at x y
  at=$(control_centre "$2") || return 1
  read -r x y <<<"$at"
  xdotool mousemove --window "$1" "$x" "$y" click 1 key ctrl+a type "$3"
}

# Prints "x y", the window point where board pixel ($1, $2) starts.
board_point() {
  local scale=${WINDOW_SCALE:-1}
  echo $((scale * (BOARD_LEFT + $1))) $((scale * (BOARD_TOP + $2)))
}

# Prints "x y", a window point in the middle of the cell in column $1 and row
# $2: its inside is board pixels 5c+1 to 5c+4, whose middle at scale 1 falls
# between two pixels; the point is the right and lower of them.
board_cell_centre() {
  local scale=${WINDOW_SCALE:-1}
  echo $((scale * (BOARD_LEFT + BOARD_CELL_PITCH * $1 + 1) + 2 * scale)) \
    $((scale * (BOARD_TOP + BOARD_CELL_PITCH * $2 + 1) + 2 * scale))
}

# Prints the inside of the cell in column $1 and row $2, as a crop, WxH+X+Y.
board_cell_rect() {
  local scale=${WINDOW_SCALE:-1} side
  side=$((scale * (BOARD_CELL_PITCH - 1)))
  echo "${side}x$side+$((scale * (BOARD_LEFT + BOARD_CELL_PITCH * $1 + 1)))+$((scale * (BOARD_TOP + BOARD_CELL_PITCH * $2 + 1)))"
}

# Clicks the cell in column $2 and row $3 of the board in window $1.
click_cell() {
  local x y
  read -r x y <<<"$(board_cell_centre "$2" "$3")"
  xdotool mousemove --window "$1" "$x" "$y" click 1
}
