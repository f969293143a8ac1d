#!/usr/bin/env bash
# Builds the Debian package of the program: a release build without tests in
# build-package/, then CPack from the install rules. Prints the package's
# name, size, dependencies and files. Install it with
#   apt install ./build-package/vychislitsa_<version>_<arch>.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build-package -DCMAKE_BUILD_TYPE=Release -DVY_GUI=ON -DVY_TESTS=OFF
cd "$root/build-package"
rm -f ./*.deb
cpack -G DEB >cpack.log || { cat cpack.log; exit 1; }
package=$(ls ./*.deb)
echo "== $package ($(du -k "$package" | cut -f1) KiB)"
dpkg-deb --field "$package" Package Version Architecture Installed-Size Depends Recommends
# The files with their sizes, folders left out.
dpkg-deb --contents "$package" | awk '$1 !~ /^d/ { size = $3; $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); printf "%9d  %s\n", size, $0 }'
