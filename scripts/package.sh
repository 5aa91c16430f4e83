#!/usr/bin/env bash
# Builds the Debian package corvane_<version>_<arch>.deb into
# <build>/package (Debian 12, as root; sets up and builds like the other
# scripts, honouring CORVANE_BUILD_DIR).
#
#   bash scripts/package.sh          build the package
#   bash scripts/package.sh --try    then install it with apt into a fresh
#                                    Debian 12 root made by debootstrap (needs
#                                    root and the Debian mirror, some minutes),
#                                    run corvane-cli demo and generate Demo
#                                    there as an ordinary user, and check the
#                                    generated solution
set -euo pipefail
try=0
case "${1:-}" in
  "") ;;
  --try) try=1 ;;
  *) echo "usage: $0 [--try]" >&2; exit 2 ;;
esac

source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
out="$BUILD/package"
rm -rf "$out"
cpack --config "$BUILD/CPackConfig.cmake" -B "$out" >/dev/null
rm -rf "$out/_CPack_Packages"
debs=("$out"/corvane_*.deb)
deb=${debs[0]}
echo "Package: $deb"
dpkg-deb --field "$deb" Package Version Depends Recommends
((try)) || exit 0

# ---- A fresh root, the package installed the way a user would ----------
if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
fi
# The Debian mirror this machine's apt uses (debootstrap's own default otherwise).
mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' |
  awk '$2 == "bookworm" { print $1; exit }')
root=$(mktemp -d /var/tmp/corvane-root.XXXXXX)
chmod 755 "$root"
log="$root.log"
cleanup() {
  mountpoint -q "$root/proc" && umount "$root/proc"
  rm -rf "$root" "$log"
}
trap cleanup EXIT
echo "Making a fresh Debian 12 root in $root"
# Quiet steps keep their output in a log that is shown when they fail.
quiet() { "$@" >"$log" 2>&1 || { cat "$log"; echo "failed: $*" >&2; exit 1; }; }
quiet debootstrap --variant=minbase bookworm "$root" ${mirror:+"$mirror"}
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
quiet in_root apt-get update
echo "apt install ./$(basename "$deb") in the fresh root"
quiet in_root env DEBIAN_FRONTEND=noninteractive sh -c 'cd /tmp && apt install -y ./corvane_*.deb'
in_root useradd --create-home tester
as_tester() {
  chroot --userspec=tester:tester "$root" env -i PATH=/usr/bin:/bin HOME=/home/tester \
    LANG=C.UTF-8 "$@"
}
# From a directory of its own, as a user would; the design and the output go
# to ~/.local/share/corvane, the skeleton comes from /usr/share/corvane.
as_tester sh -c 'mkdir -p ~/work && cd ~/work && corvane-cli demo && corvane-cli generate Demo'
solution="$root/home/tester/.local/share/corvane/projects/Demo/LoginFrame"
for f in LoginFrame.sln Model/Model.csproj DAL/DAL.csproj DAL/DBHelp.cs BLL/BLL.csproj; do
  [[ -f "$solution/$f" ]] || { echo "missing in the generated solution: $f" >&2; exit 1; }
done
# The window program starts with what the package brought in.
as_tester env QT_QPA_PLATFORM=offscreen corvane --version
echo "Installed into a fresh Debian 12 root; corvane-cli demo and generate Demo wrote $solution"
