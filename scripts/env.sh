# Shared settings of the project's scripts; sourced, not run.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
mkdir -p "$BUILD"
BUILD=$(cd "$BUILD" && pwd)
# The prefix for a display DPI: the plain one without a DPI, or a copy of it
# set to that DPI (made by scripts/make-prefix). FL_DPI=144 selects the copy.
prefix_for_dpi() { printf '%s' "$BUILD/wineprefix${1:+-${1}dpi}"; }
WINEPREFIX=$(prefix_for_dpi "${FL_DPI:-}")
export WINEPREFIX
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts: the programs need neither.
export WINEDLLOVERRIDES="mscoree=;mshtml="

# Each build tree has its own virtual display, so two trees never share windows.
if [ "$BUILD" = "$ROOT/build" ]; then
  XVFB_DISPLAY=:99
else
  XVFB_DISPLAY=:$((100 + $(printf '%s' "$BUILD" | cksum | cut -d' ' -f1) % 100))
fi

# Wine runs in the Japanese locale, so its ANSI code page is 932.  Called only
# after setup has generated the locale.
japanese_locale() { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; }

say() { printf '%s\n' "$*" >&2; }
