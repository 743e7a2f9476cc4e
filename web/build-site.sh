#!/usr/bin/env bash
# Lays out the static site: the page compiled from TypeScript, the two
# WebAssembly modules with their glue (as .js, which any server types right),
# the sounds, the icons, the samples and the pack, and a service worker that
# knows every file and the site's version.
#   build-site.sh SITE WASM-BUILD NATIVE-BUILD
set -euo pipefail
site=$1
wasm=$2
native=$3
web=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$web")

rm -rf "$site"
mkdir -p "$site/icons" "$site/sounds" "$site/puzzles"
"$web/node_modules/.bin/tsc" -p "$web/tsconfig.json" --outDir "$site/js"
"$web/node_modules/.bin/tsc" -p "$web/tsconfig.worker.json" --outDir "$site"
cp "$web/index.html" "$web/style.css" "$web/manifest.webmanifest" "$site/"
for module in tsubura-play tsubura-make; do
  cp "$wasm/$module.mjs" "$site/$module.js"
  cp "$wasm/$module.wasm" "$site/"
done
cp "$root"/assets/icon/tsubura-{32,64,128,256}.png "$site/icons/"
cp "$root"/assets/sounds/*.wav "$site/sounds/"
for source in "$root"/assets/puzzles/*.txt; do
  cp "$native/$(basename "$source" .txt).tbr" "$site/puzzles/"
done
cp "$root"/assets/pack/*.tbr "$root/assets/pack/targets.txt" "$site/puzzles/"

# The service worker's list: every file but itself; its version: their hash.
files=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | sort)
version=$(cd "$site" && echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
list=$(echo "./" "$files" | tr ' \n' ',,' | sed 's/,*$//; s/,,*/,/g')
sed -i "s|__VERSION__|$version|; s|__FILES__|$list|" "$site/sw.js"
echo "site: $site ($(echo "$files" | wc -l) files, version $version)"
