# Shared by the install and the package checks: what an installed coilwind consists of.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

check_layout() {
    local root=$1
    local files=(
        bin/coilwind
        bin/coilwind-batch
        share/man/man1/coilwind-batch.1.gz
        lib/coilwind/coilwind
        share/applications/io.github.coilwind.coilwind.desktop
        share/metainfo/io.github.coilwind.coilwind.metainfo.xml
        share/icons/hicolor/scalable/apps/coilwind.svg
        share/man/man1/coilwind.1.gz
        share/doc/coilwind/copyright
        share/doc/coilwind/changelog.gz
    )
    for picture in KQCORE RC KQ R; do
        files+=("lib/coilwind/$picture.JPG" "lib/coilwind/$picture@2x.JPG")
    done
    for size in 16 32 48 64 128 256; do
        files+=("share/icons/hicolor/${size}x${size}/apps/coilwind.png")
    done
    for file in "${files[@]}"; do
        [[ -e $root/$file || -L $root/$file ]] || fail "missing $file"
    done
    [[ -x $root/lib/coilwind/coilwind ]] || fail "lib/coilwind/coilwind is not executable"
    [[ -x $root/bin/coilwind-batch ]] || fail "bin/coilwind-batch is not executable"
}
