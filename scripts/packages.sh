# The Debian packages the build, the tests and the editor need, and how to install what is
# missing; sourced by test.sh, run.sh and the Windows scripts.
rylmo_packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
)

# install_missing_packages [PACKAGE...]: installs those of the packages (by default the list
# above) that are missing; as root only.
install_missing_packages() {
  local missing=()
  local wanted=("$@")
  [ ${#wanted[@]} -gt 0 ] || wanted=("${rylmo_packages[@]}")
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages (install them as root): ${missing[*]}" >&2
    return 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}
