#!/usr/bin/env bash
# Builds Tolvarin and then starts it (run), runs the whole test suite (test)
# or the benchmarks (bench), makes the Debian package (deb), or builds the
# fuzz targets of tests/fuzz with clang and libFuzzer (fuzz; scripts/fuzz.sh
# runs them). Installs the Debian packages it needs first.
#
#   scripts/build.sh run [program arguments]
#   scripts/build.sh test [--sanitize]
#   scripts/build.sh bench
#   scripts/build.sh deb        (build-deb/tolvarin_VERSION_ARCH.deb)
#   scripts/build.sh fuzz       (build-fuzz/bin/fuzz_*)
#
# CI=true turns compiler warnings into errors.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
action=${1:-run}
shift || true

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 qt6-translations-l10n libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  desktop-file-utils appstream-util man-db dpkg-dev file
  poppler-utils
)
# The fuzz build alone needs clang and its libFuzzer and sanitizer runtimes.
[ "$action" = "fuzz" ] && packages+=(clang-14 libclang-rt-14-dev)
# The comparison scripts of bench/ time whole processes.
[ "$action" = "bench" ] && packages+=(hyperfine units linux-perf time xvfb xdotool convertall libx11-dev libxdamage-dev)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local dir=$1
  shift
  cmake -S "$here" -B "$dir" -G Ninja "$@"
  cmake --build "$dir"
}

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

install_missing
case "$action" in
  run)
    configure_and_build "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVARIN_WERROR=$werror
    exec "$here/build/bin/tolvarin" "$@"
    ;;
  test)
    if [ "${1:-}" = "--sanitize" ]; then
      dir="$here/build-sanitize"
      configure_and_build "$dir" -DCMAKE_BUILD_TYPE=Debug -DTOLVARIN_SANITIZE=ON -DTOLVARIN_BENCH=OFF -DTOLVARIN_WERROR=$werror
      export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    else
      dir="$here/build"
      configure_and_build "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVARIN_WERROR=$werror
    fi
    ctest --test-dir "$dir" --output-on-failure -j2
    ;;
  bench)
    configure_and_build "$here/build-release" -DCMAKE_BUILD_TYPE=Release -DTOLVARIN_TESTS=OFF
    for b in "$here"/build-release/bin/bench_*; do "$b"; done
    ;;
  deb)
    # A package installs under /usr, and the programs look for their data
    # where the build's install prefix says.
    configure_and_build "$here/build-deb" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DTOLVARIN_TESTS=OFF -DTOLVARIN_BENCH=OFF -DTOLVARIN_WERROR=$werror
    (cd "$here/build-deb" && cpack -G DEB)
    ;;
  fuzz)
    # CXX chooses the compiler when the folder is first configured.
    CXX=clang++-14 configure_and_build "$here/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVARIN_FUZZ=ON \
      -DTOLVARIN_WERROR=$werror
    ;;
  *)
    echo "usage: $0 run|test [--sanitize]|bench|deb|fuzz" >&2
    exit 2
    ;;
esac
