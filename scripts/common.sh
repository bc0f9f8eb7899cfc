# Shared helpers of the project scripts: package installation and the build.
# Sourced, not run.

QUOVADRIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs the packages named in the given list files that are not installed
# yet; does nothing (and needs no network) when everything is there.
ensure_packages() {
  local missing=() pkg file
  for file in "$@"; do
    while read -r pkg; do
      [[ -z "$pkg" || "$pkg" == \#* ]] && continue
      if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
      fi
    done <"$file"
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures and builds one build tree: build_tree DIR [cmake options...]
# [-- targets...]; without targets everything is built.
build_tree() {
  local dir=$1 options=() targets=()
  shift
  while (($#)) && [[ "$1" != "--" ]]; do
    options+=("$1")
    shift
  done
  (($#)) && shift
  targets=("$@")
  cmake -S "$QUOVADRIN_ROOT" -B "$dir" -G Ninja "${options[@]}" >/dev/null
  if ((${#targets[@]})); then
    cmake --build "$dir" --target "${targets[@]}"
  else
    cmake --build "$dir"
  fi
}
