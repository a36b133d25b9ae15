#!/usr/bin/env bash
# Installs the build, test and Wine packages that are missing on a Debian 12 machine (run as root).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 fonts-wine fonts-wqy-microhei
  xvfb xauth xdotool x11-utils imagemagick
  clang libclang-rt-14-dev
  dpkg-dev ca-certificates xz-utils git
  python3-fontforge python3-matplotlib locales
)

missing=()
for p in "${packages[@]}"; do
  if [[ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" != "install ok installed" ]]; then
    missing+=("$p")
  fi
done

# Wine takes its ANSI code page from the locale: the programs are meant for a Chinese
# system (code page 936), where GBK key names and INI sections round-trip.
ensure_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    echo "install-deps: generating the zh_CN.UTF-8 locale"
    localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
}

if ((${#missing[@]} == 0)); then
  echo "install-deps: all ${#packages[@]} packages present"
  ensure_locale
  exit 0
fi

if ((EUID != 0)); then
  echo "install-deps: missing ${missing[*]}; run as root to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q "${missing[@]}"
ensure_locale
