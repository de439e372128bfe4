#!/usr/bin/env bash
# Reads the pictures the graphics viewer saved with another reader
# (ImageMagick) and compares each with the picture they should hold: every
# pixel the same, and for JPEG, which is not exact, a small root mean
# square error (a grey picture of the same size is off by 0.36).
#   check_saved_pictures.sh FOLDER
set -u
folder=$1
failed=0
for kind in bmp pcx tif gif tga; do
  differing=$(compare -metric AE "$folder/saved.$kind" "$folder/expected.ppm" null: 2>&1)
  if [ "$differing" = 0 ]; then
    echo "saved.$kind: the same picture"
  else
    echo "saved.$kind: $differing pixels differ"
    failed=1
  fi
done
error=$(compare -metric RMSE "$folder/saved.jpg" "$folder/expected.ppm" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
if awk -v e="${error:-1}" 'BEGIN { exit !(e < 0.1) }'; then
  echo "saved.jpg: near the picture (error $error)"
else
  echo "saved.jpg: off by ${error:-an unreadable file}"
  failed=1
fi
exit $failed
