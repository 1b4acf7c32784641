# Sourced by the scripts in tools/: installs the Debian packages a step needs when they are missing.
#
#   source tools/packages.sh
#   install_missing_packages cmake ninja-build ...   # fails when this is no apt-get system

# Succeeds on a Debian/Ubuntu system, where packages can be checked and installed.
has_apt() {
    command -v dpkg-query >/dev/null 2>&1 && command -v apt-get >/dev/null 2>&1
}

# Installs those of the given packages that are not installed yet (through sudo when not root).
install_missing_packages() {
    if ! has_apt; then
        echo "This system has no apt-get; install these packages or their equivalents: $*" >&2
        return 1
    fi
    local package missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}
