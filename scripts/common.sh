# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh and test.sh: package installation and the build.

VORLIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The default build is Qt 6's; QT5_PACKAGES build the same sources with -DVORLIX_QT=5.
BUILD_PACKAGES=(qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-tools-dev qt6-tools-dev-tools
                qt6-l10n-tools qt6-translations-l10n libgl-dev libeigen3-dev libglu1-mesa-dev
                libgl1-mesa-dri cmake ninja-build g++ fonts-dejavu-core pkg-config libboost-dev
                libavcodec-dev libavformat-dev libavfilter-dev libswscale-dev libavutil-dev)
QT5_PACKAGES=(qtbase5-dev libqt5charts5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n)

# Installs those of the given Debian packages that are missing (needs root or sudo).
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S "$VORLIX_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir"
}
