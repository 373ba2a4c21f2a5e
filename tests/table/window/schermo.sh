# shellcheck shell=bash
# Shared by the tests that drive the real game on an X server: they wait for what the screen
# shows, never for a fixed time, so a busy machine only makes them slower.

# Waits for the game's window to be shown and sets $finestra, $ox and $oy (its client area's
# corner on the screen).
trova_finestra() {
  finestra=""
  for _ in $(seq 300); do
    finestra=$(xdotool search --onlyvisible --name '^Galbirola 1\.0 \(12\)$' 2>/dev/null | head -1 || true)
    [ -n "$finestra" ] && break
    sleep 0.1
  done
  [ -n "$finestra" ] || return 1
  local info
  info=$(xwininfo -id "$finestra")
  ox=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
  oy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
}

# A pixel of the window in the given screenshot, in twips from its client area's corner, as
# r,g,b.
pixel() {
  local x=$((ox + $1 / 15)) y=$((oy + $2 / 15))
  convert "$3" -format "%[fx:int(255*p{$x,$y}.r+0.5)],%[fx:int(255*p{$x,$y}.g+0.5)],%[fx:int(255*p{$x,$y}.b+0.5)]" info:
}

# Takes screenshots into $1 until the command after it holds for the latest one, for at most
# half a minute.
aspetta_schermo() {
  local foto=$1
  shift
  for _ in $(seq 150); do
    import -window root "$foto"
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

verde() { [ "$(pixel "$1" "$2" "$3")" = "0,128,0" ]; }

# The settings' yellow title bar (Left 1860, Top 60 twips) is shown until "Crea Torneo".
impostazioni() { [ "$(pixel 3000 180 "$1")" = "255,255,128" ]; }
pronta() { verde 300 3000 "$1" && impostazioni "$1"; }
torneo_creato() { ! impostazioni "$1"; }

# After "Dai Carte" the human's first card is turned face up ($2 is the screenshot from
# before), and a table card and the first computer's first card are there. (The table's own
# cards stay face down while a human opener is asked whether to knock.)
carte_in_tavola() {
  [ "$(pixel 6000 5280 "$1")" != "$(pixel 6000 5280 "$2")" ] &&
    ! verde 1020 5520 "$1" && ! verde 2220 660 "$1"
}
