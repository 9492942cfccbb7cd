# Shared settings of the project's scripts; sourced, not run.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$(realpath -m "${BUILD:-$ROOT/build}")
# Two Wine runtimes run the programs: Wine 8 (the default) and, with
# FL_WINE=10, Wine 10. Each is the host's Wine when the host's release has it,
# and otherwise comes from a root of the release that has it, made in the
# build tree (scripts/wine-root); scripts/releases.txt says which is which.
# release_field COLUMN VALUE FIELD: a field of the release whose COLUMN is
# VALUE (1 the release, 2 its Wine, 3 and 4 its package names).
release_field() {
  awk -v k="$1" -v v="$2" -v f="$3" '$1 !~ /^#/ && $k == v { print $f }' "$ROOT/scripts/releases.txt"
}
HOST_RELEASE=$(. /etc/os-release && printf '%s' "${VERSION_CODENAME:-}")
HOST_WINE=$(release_field 1 "$HOST_RELEASE" 2)
if [ -z "$(release_field 2 "${FL_WINE:-8}" 1)" ]; then
  echo "FL_WINE is 8 (or empty) or 10, not $FL_WINE" >&2
  exit 2
fi
# The release is built with the toolchain of this Debian release whatever the
# host (scripts/package, docs/release.md): its packages are release-packages.txt.
RELEASE_TOOLCHAIN=trixie
# The root of the selected runtime, used when the host's Wine is another.
wine_root() { printf '%s' "$BUILD/wine${FL_WINE:-8}-root"; }
# root_current ROOT PACKAGES: whether ROOT was made with PACKAGES (one a line).
root_current() { [ "$(cat "$1/.fonttools-packages" 2>/dev/null)" = "$2" ]; }
# make_root ROOT RELEASE PACKAGES LOG [OPTION...]: makes ROOT anew with
# mmdebstrap (given the OPTIONs), a root of Debian RELEASE holding PACKAGES,
# and notes them in it for root_current.
make_root() {
  local root=$1 release=$2 packages=$3 log=$4
  shift 4
  rm -rf "$root" "$root.new" "$log"
  mkdir -p "$(dirname "$root")"
  logged "$log" mmdebstrap --variant=apt --include="$(paste -sd, <<<"$packages")" "$@" "$release" "$root.new"
  printf '%s\n' "$packages" >"$root.new/.fonttools-packages"
  mv "$root.new" "$root"
}
# install_missing LOG PACKAGE...: installs those of the packages that the host
# lacks, with apt-get.
install_missing() {
  local log=$1 pkg missing=()
  shift
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  say "Installing: ${missing[*]} (log: $log)"
  DEBIAN_FRONTEND=noninteractive logged "$log" apt-get update
  DEBIAN_FRONTEND=noninteractive logged "$log" apt-get install -y --no-install-recommends "${missing[@]}"
}
# The folder where the cups-pdf printer writes the user's jobs; the build's
# printing tests take it from here (CUPS_PDF_DIR).
export PDF_DIR=$HOME/PDF
# Runs a command of the selected runtime. A runtime from a root runs there,
# entered with bwrap, which leaves no mounts behind; it shares the host's
# displays and the build tree's cupsd through their sockets, and sees the
# sources, the build tree and the printed pages at the same paths as the host.
in_runtime() {
  if [ "${FL_WINE:-8}" = "$HOST_WINE" ]; then
    "$@"
    return
  fi
  mkdir -p "$PDF_DIR"
  bwrap --bind "$(wine_root)" / --proc /proc --dev-bind /dev /dev --bind /tmp/.X11-unix /tmp/.X11-unix \
    --bind "$ROOT" "$ROOT" --bind "$BUILD" "$BUILD" --bind "$PDF_DIR" "$PDF_DIR" -- "$@"
}
# The prefix for a display DPI in the selected runtime: the plain one without a
# DPI, or a copy of it set to that DPI (made by scripts/make-prefix). FL_DPI=144
# selects the copy. Wine 8's prefixes are wineprefix*, Wine 10's
# wineprefix-wine10*.
prefix_for_dpi() {
  local wine=-wine${FL_WINE:-8}
  printf '%s' "$BUILD/wineprefix${wine%-wine8}${1:+-${1}dpi}"
}
WINEPREFIX=$(prefix_for_dpi "${FL_DPI:-}")
export WINEPREFIX
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts: the programs need neither.
export WINEDLLOVERRIDES="mscoree=;mshtml="

# Each build tree has its own virtual display, whose number scripts/services
# claims and keeps in the tree (.display), and a cupsd of its own, which libcups
# (lpadmin, lpstat, Wine's printing) reaches through its socket in the tree.
tree_display() { printf ':%s' "$(cat "$BUILD/.display")"; }
export CUPS_SERVER=$BUILD/cups.sock

# Wine runs in the Japanese locale, so its ANSI code page is 932.  Called only
# after setup has generated the locale.
japanese_locale() { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; }

say() { printf '%s\n' "$*" >&2; }
# compare_buildinfo FILE LABEL FILE LABEL: names each key of two releases'
# BUILDINFO whose value differs (a package's version, the commit...), and
# gives the SHA-256 of each zip; false when the zips differ.
compare_buildinfo() {
  awk -v one="$2" -v two="$4" -v same=1 '
    !(($1) in seen) { seen[$1] = 1; keys[++count] = $1 }
    FILENAME == ARGV[1] { first[$1] = $2 }
    FILENAME == ARGV[2] { second[$1] = $2 }
    END {
      for (i = 1; i <= count; i++) {
        key = keys[i]
        was = (key in first) ? first[key] : "(none)"
        now = (key in second) ? second[key] : "(none)"
        if (key ~ /\.zip$/) {
          zips = zips sprintf("SHA-256 of %s\n  %-24s %s\n  %-24s %s\n", key, one, was, two, now)
          same = same && was == now
        } else if (was != now) {
          printf "Differs: %s is %s (%s) but %s (%s)\n", key, was, one, now, two
        }
      }
      printf "%s", zips
      print same ? "The zips are the same." : "The zips differ."
      exit !same
    }' "$1" "$3" >&2
}
# The set-up's steps keep the output of the tools they run in logs in the
# build tree. A script calls report_failures first: a command that fails then
# names itself and its script.
LOGS=$BUILD/logs
report_failures() { trap 'say "${0##*/} failed (exit status $?) at: $BASH_COMMAND"' ERR; }
# logged LOG COMMAND...: runs a step with its output added to LOG; if it fails,
# says so with the log's path and end, and ends the script with its status.
logged() {
  local log=$1 status=0
  shift
  mkdir -p "$(dirname "$log")"
  "$@" >>"$log" 2>&1 || status=$?
  [ "$status" = 0 ] && return
  say "${0##*/} failed (exit status $status) at: $*; its log: $log"
  tail -n 20 "$log" | sed 's/^/  | /' >&2
  exit "$status"
}
# snap DISPLAY PICTURE: saves a picture of the display cut to its windows
# (the desktop is black).
snap() {
  mkdir -p "$(dirname "$2")"
  DISPLAY=$1 import -window root png:- | convert - -bordercolor black -border 1 -trim +repage "$2"
}
# photograph DISPLAY PROGRAM.exe PICTURE: starts the program on the display
# (its wine-exec is $program) and, once it has drawn, snaps it.
photograph() {
  FL_DISPLAY=$1 "$ROOT/scripts/wine-exec" "$BUILD" "$2" &
  program=$!
  sleep 5
  snap "$1" "$3"
}
