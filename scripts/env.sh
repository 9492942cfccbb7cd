# Shared settings of the project's scripts; sourced, not run.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
mkdir -p "$BUILD"
BUILD=$(cd "$BUILD" && pwd)
# Two Wine runtimes run the programs: the host's (Wine 8), and with FL_WINE=10
# Wine 10 from a Debian 13 root in the build tree (scripts/wine10-root).
case "${FL_WINE:-}" in
  ''|10) ;;
  *) echo "FL_WINE is empty (the host's Wine) or 10, not $FL_WINE" >&2; exit 2 ;;
esac
WINE10_ROOT=$BUILD/wine10-root
# The folder where the cups-pdf printer writes root's jobs.
PDF_DIR=$HOME/PDF
# Runs a command of the selected runtime. Wine 10 runs in its root, entered
# with bwrap, which leaves no mounts behind; it shares the host's displays and
# cupsd through their sockets, and sees the sources, the build tree and the
# printed pages at the same paths as the host.
in_runtime() {
  if [ -z "${FL_WINE:-}" ]; then
    "$@"
    return
  fi
  mkdir -p "$PDF_DIR"
  bwrap --bind "$WINE10_ROOT" / --proc /proc --dev-bind /dev /dev \
    --bind /tmp/.X11-unix /tmp/.X11-unix --bind /run/cups /run/cups \
    --bind "$ROOT" "$ROOT" --bind "$BUILD" "$BUILD" --bind "$PDF_DIR" "$PDF_DIR" -- "$@"
}
# The prefix for a display DPI in the selected runtime: the plain one without a
# DPI, or a copy of it set to that DPI (made by scripts/make-prefix). FL_DPI=144
# selects the copy; FL_WINE=10 the prefixes of Wine 10.
prefix_for_dpi() { printf '%s' "$BUILD/wineprefix${FL_WINE:+-wine$FL_WINE}${1:+-${1}dpi}"; }
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
