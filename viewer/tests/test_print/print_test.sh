#!/usr/bin/env bash
# Test prints through the real Fontloupe.exe to cups-pdf printers, each page
# then checked by where its ink is.
#   print_test.sh TEST.exe PAGE_ANALYSIS.py WORKDIR PDF_DIR EMULATOR...
# With LONG_PRINTERS (names separated by "|"), each name is made a cups-pdf
# queue, the default for the while of one print and of CAPTION_TEST's check
# of the caption; otherwise the test program prints to the default printer as
# it is.
set -euo pipefail
test_exe=$1 analysis=$2 work=$3 pdf_dir=$4
shift 4

print_once() {
  mkdir -p "$work"
  rm -f "$work"/*
  rm -f "$pdf_dir"/Tarvel_Print*

  # The test program writes the printer's metrics there and prints.
  PRINT_INFO="Z:$work/printer.txt" "$@" "$test_exe" --gtest_filter=TestPrint.PrintsThePrinterFont

  # cups-pdf names the file after the job title; it takes a few seconds.
  pdf=
  for _ in $(seq 120); do
    pdf=$(find "$pdf_dir" -maxdepth 1 -name 'Tarvel_Print*.pdf' -size +0 2>/dev/null | head -n 1)
    [ -n "$pdf" ] && break
    sleep 0.5
  done
  [ -n "$pdf" ] || { echo "no PDF of the job \"Tarvel Print\" appeared in $pdf_dir"; exit 1; }
  sleep 1  # a second job would have landed by now
  count=$(find "$pdf_dir" -maxdepth 1 -name 'Tarvel_Print*' | wc -l)
  [ "$count" -eq 1 ] || { echo "expected one job \"Tarvel Print\", found $count files"; exit 1; }
  echo "job file: $(basename "$pdf")"

  # One picture pixel per printer device unit.
  dpi=$(sed -n 's/^dpiY=//p' "$work/printer.txt")
  pdftoppm -r "$dpi" -gray -singlefile "$pdf" "$work/page"
  pdftoppm -r 100 -png -singlefile "$pdf" "$work/page"
  python3 "$analysis" "$work/page.pgm" "$work/printer.txt"
}

if [ -z "${LONG_PRINTERS:-}" ]; then
  print_once "$@"
  exit 0
fi
# Wine names CUPS's default printer as the profile's default whenever it
# loads its printers, so each queue is CUPS's default while it prints.
default=$(LC_ALL=C lpstat -d | sed -n 's/^system default destination: //p')
queue=
trap '[ -z "$queue" ] || lpadmin -x "$queue"; [ -z "$default" ] || lpadmin -d "$default"' EXIT
IFS='|' read -ra names <<<"$LONG_PRINTERS"
for queue in "${names[@]}"; do
  lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
  lpadmin -d "$queue"
  echo "printer \"$queue\" (${#queue} characters)"
  LONG_PRINTER=$queue print_once "$@"
  LONG_PRINTER=$queue "$@" "$CAPTION_TEST" --gtest_filter='LongPrinterName.*'
  lpadmin -x "$queue"
done
queue=
