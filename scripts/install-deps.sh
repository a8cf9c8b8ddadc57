#!/usr/bin/env bash
# Installs the Debian packages Vornak needs, when any is missing, for one purpose:
#   play  building the game, its data and its Debian package (make play, make deb)
#   test  all of play's, plus the tests, benchmarks, fuzzing and format (make test and the rest)
# Uses sudo when not run as root; without root or sudo it names the packages to ask for.
set -euo pipefail

play=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-mixer1.2-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev
  libfreetype-dev fonts-dejavu-core lame
  # CPack finds the executables to compute the package's dependencies with `file`.
  file
)
test=(
  "${play[@]}"
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-apps imagemagick
  clang libclang-rt-14-dev valgrind clang-format
  # The package test checks the built .deb.
  lintian
)

case "${1:-}" in
  play) packages=("${play[@]}") ;;
  test) packages=("${test[@]}") ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# sudo passes on only the environment it is told to, so the non-interactive front end goes
# through `env` on the far side.
# Debian gives sudo to the sudo group; anyone else would type a password only to be refused.
can_sudo() {
  command -v sudo >/dev/null || return 1
  sudo -n true 2>/dev/null && return 0
  id -nG | grep -qwE 'sudo|admin|wheel' || return 1
  sudo -v
}

apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
if [ "$(id -u)" -ne 0 ]; then
  if ! can_sudo; then
    echo "Vornak needs these packages; please ask your administrator to install them: ${missing[*]}" >&2
    exit 1
  fi
  apt=(sudo "${apt[@]}")
fi

echo "Installing: ${missing[*]}"
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
