#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and screenshot Tessary;
# with the argument "library" also the public-domain modules and their
# exporter that `make library` builds the bundled library from.
# Does nothing (and touches no network) when everything is already installed.
set -euo pipefail

packages=(
    cmake
    ninja-build
    make
    g++
    qt6-base-dev
    libgtest-dev
    googletest
    libgmock-dev
    clang-format
    xvfb
    xauth
    imagemagick
    openbox
    fonts-dejavu-core
)
if [[ "${1:-}" == library ]]; then
    packages+=(
        libsword-utils
        sword-text-kjv
        sword-dict-strongs-greek
        sword-dict-strongs-hebrew
        sword-comm-mhcc
        sword-dict-naves
    )
fi

missing=()
for pkg in "${packages[@]}"; do
    # A package removed with its configuration kept still answers dpkg -s,
    # so look at its status line, not only at the exit code.
    if ! dpkg -s "$pkg" 2>/dev/null | grep -q '^Status: install ok installed'; then
        missing+=("$pkg")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
    echo "install-deps: installing ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    exit 0
fi

echo "install-deps: these packages are missing and installing them needs root; run:" >&2
echo "sudo apt-get update && sudo apt-get install -y ${missing[*]}"
exit 1
