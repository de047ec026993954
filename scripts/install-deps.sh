#!/usr/bin/env bash
# Installs the Debian 12 packages Quillion needs to build, test and run.
# As root it runs apt-get itself; otherwise it prints the command to run.
# With --fuzz it adds clang and its libFuzzer runtime (the fuzz preset only); with --bench
# the Google Benchmark library (`make bench` only).
set -euo pipefail
packages=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins libsqlite3-dev libgtest-dev
          fonts-dejavu-core locales poppler-utils desktop-file-utils appstream)
case "${1:-}" in
  --fuzz) packages+=(clang libclang-rt-14-dev) ;;
  --bench) packages+=(libbenchmark-dev) ;;
esac
# With --tests: the tests also run the program under a decimal-comma locale.
test_locale=de_DE.UTF-8
need_locale=false
[ "${1:-}" = "--tests" ] && need_locale=true
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
have_locale() { ! $need_locale || locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; }
[ ${#missing[@]} -eq 0 ] && have_locale && exit 0
if [ "$(id -u)" -ne 0 ]; then
  [ ${#missing[@]} -eq 0 ] || {
    echo "Quillion needs these Debian packages: ${missing[*]}" >&2
    echo "Run: sudo apt-get install -y ${missing[*]}" >&2
  }
  have_locale || echo "The tests need the $test_locale locale: sudo localedef -i de_DE -f UTF-8 $test_locale" >&2
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! have_locale; then
  echo "Generating the $test_locale locale"
  localedef -i de_DE -f UTF-8 "$test_locale"
fi
