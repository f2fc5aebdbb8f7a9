#!/usr/bin/env bash
# Installs the Debian 12 packages one task needs:
#   build (the default; also "test")  compiler, CMake, Qt, GoogleTest: enough
#                                     for `make build` and `make test`
#   run                               build, plus the virtual display and the
#                                     screenshot tool that `make run` uses
#                                     when there is no display
#   bench                             build, plus the virtual display the
#                                     window benchmark needs when there is
#                                     no display (`make bench`)
#   library                           build, plus the public-domain modules and
#                                     their exporter that `make library` reads
#   package                           build, plus what `make deb` uses to build
#                                     the Debian package
#   package-check                     package, plus the checkers and the virtual
#                                     display that scripts/ci-package.sh uses
#   coverage                          build, plus gcovr for `make coverage`
# Packages are required (the task cannot go on without them) or optional (the
# task goes on without them, e.g. clang-format, which only `make format` and
# the format check use). As root every missing package is installed. As
# another user the script prints the one `sudo apt-get …` line to run; it
# fails only when a required package is missing.
# Does nothing (and touches no network) when everything is already installed.
set -euo pipefail

mode=${1:-build}

required=(cmake ninja-build make g++ qt6-base-dev libgtest-dev googletest libgmock-dev)
optional=(clang-format)

case "$mode" in
build | test) ;;
run)
    # With a display of its own the program needs nothing more; without one
    # it runs under Xvfb and the screenshot is taken with ImageMagick.
    if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
        required+=(xvfb imagemagick)
    else
        optional+=(xvfb imagemagick)
    fi
    # A window manager for the title bar, and a font for readable text.
    optional+=(openbox fonts-dejavu-core xauth)
    ;;
bench)
    required+=(python3)
    [[ -n "${DISPLAY:-}" ]] || required+=(xvfb)
    ;;
library)
    required+=(
        libsword-utils
        sword-text-kjv
        sword-dict-strongs-greek
        sword-dict-strongs-hebrew
        sword-comm-mhcc
        sword-dict-naves
    )
    ;;
package | package-check)
    # dpkg-shlibdeps computes the package's dependencies; CPack finds the
    # programs to strip and to scan with file.
    required+=(dpkg-dev file)
    if [[ "$mode" == package-check ]]; then
        required+=(lintian desktop-file-utils appstream man-db xvfb xauth xdotool)
    fi
    ;;
coverage) required+=(gcovr) ;;
*)
    echo "usage: $0 [build|test|run|bench|library|package|package-check|coverage]" >&2
    exit 2
    ;;
esac

installed() {
    # A package removed with its configuration kept still answers dpkg -s,
    # so look at its status line, not only at the exit code.
    dpkg -s "$1" 2>/dev/null | grep -q '^Status: install ok installed'
}

missing_required=()
missing_optional=()
for pkg in "${required[@]}"; do
    installed "$pkg" || missing_required+=("$pkg")
done
for pkg in "${optional[@]}"; do
    installed "$pkg" || missing_optional+=("$pkg")
done
missing=("${missing_required[@]}" "${missing_optional[@]}")

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
    echo "install-deps: installing ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    exit 0
fi

if [[ ${#missing_required[@]} -gt 0 ]]; then
    echo "install-deps: ${missing_required[*]} must be installed for '$mode'; that needs root; run:" >&2
else
    echo "install-deps: going on without ${missing_optional[*]} (optional for '$mode'); to install, run:" >&2
fi
echo "sudo apt-get update && sudo apt-get install -y ${missing[*]}"
[[ ${#missing_required[@]} -eq 0 ]]
