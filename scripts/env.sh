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
# build tree's cupsd through their sockets, and sees the sources, the build
# tree and the printed pages at the same paths as the host.
in_runtime() {
  if [ -z "${FL_WINE:-}" ]; then
    "$@"
    return
  fi
  mkdir -p "$PDF_DIR"
  bwrap --bind "$WINE10_ROOT" / --proc /proc --dev-bind /dev /dev \
    --bind /tmp/.X11-unix /tmp/.X11-unix \
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

# Each build tree has its own virtual display, chosen once and kept in the
# tree (.display), so two trees never share windows. A tree claims its number
# in /tmp; a number is free when no other tree claims it and no server holds
# it, by its lock file or by its abstract socket, which a root sharing the
# host's network sees too.
display_free() {
  local claim
  claim=$(cat "/tmp/.fonttools-X$1" 2>/dev/null) || claim=
  if [ -n "$claim" ]; then
    [ "$claim" = "$BUILD" ]
    return
  fi
  [ ! -e "/tmp/.X$1-lock" ] && ! grep -q "@/tmp/.X11-unix/X$1\$" /proc/net/unix 2>/dev/null
}
display=$(cat "$BUILD/.display" 2>/dev/null) ||
  display=$((100 + $(printf '%s' "$BUILD" | cksum | cut -d' ' -f1) % 100))
for _ in $(seq 200); do
  display_free "$display" && break
  display=$((display < 299 ? display + 1 : 100))
done
display_free "$display" || { echo "No free display number from :100 to :299" >&2; exit 1; }
[ "$(cat "$BUILD/.display" 2>/dev/null)" = "$display" ] || printf '%s' "$display" >"$BUILD/.display"
[ -e "/tmp/.fonttools-X$display" ] || printf '%s' "$BUILD" >"/tmp/.fonttools-X$display"
XVFB_DISPLAY=:$display

# Each build tree also has a cupsd of its own, so it never meets the host's or
# another tree's: libcups (lpadmin, lpstat, Wine's printing) reaches it
# through its socket in the tree, which CUPS_SERVER names. Its spool and state
# are in /tmp, where its filters, which run as the user lp, reach them
# whatever folder holds the tree.
export CUPS_SERVER=$BUILD/cups.sock
CUPS_STATE=/tmp/.fonttools-cups$display

# Wine runs in the Japanese locale, so its ANSI code page is 932.  Called only
# after setup has generated the locale.
japanese_locale() { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; }

say() { printf '%s\n' "$*" >&2; }
