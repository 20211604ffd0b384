#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Quorvel.
# Idempotent and quiet when everything is there.
#   deps.sh        everything: the host build, the mingw-w64 compilers, Wine, Xvfb, X tools,
#                  the installer and zip tools (NSIS, zip, 7-Zip to check the installer)
#   deps.sh host   only what the host build and its unit tests need (make check)
#   deps.sh fuzz   the host build's packages and clang with its libFuzzer (make fuzz)
set -euo pipefail

host_packages=(cmake ninja-build g++ make googletest libgtest-dev libgmock-dev libjpeg62-turbo-dev)
mode=${1:-all}
case "$mode" in
    host) packages=("${host_packages[@]}") ;;
    fuzz) packages=("${host_packages[@]}" clang libclang-rt-14-dev) ;;
    all)
        packages=(
            "${host_packages[@]}"
            g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
            wine wine64 wine32:i386 xvfb xauth xdotool imagemagick x11-utils dpkg-dev python3 python3-pil
            nsis 7zip zip unzip
        )
        ;;
    *) echo "usage: deps.sh [host|fuzz]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
echo "deps: installing ${missing[*]}"
if [[ $mode == all ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" \
    >/tmp/quorvel-deps.log 2>&1 || { tail -40 /tmp/quorvel-deps.log; exit 1; }
