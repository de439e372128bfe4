#include "viewer/buffer/read_block.h"

#include <algorithm>

#include "viewer/buffer/file_access.h"

uint16_t ReadBlock(FileRef& file, const ReadBuffer& buffer, ReadWindow& window) {
  window = ReadWindow{buffer.Data, 0, 0};
  if (!buffer.Data || buffer.Capacity <= 0) return ST_FAILED;
  const FileSystem& fs = Files();
  FileHandle f = fs.Open(file.Path);
  if (f == kNoFile) return ST_FAILED;
  FileOffset flen = fs.Size(f);
  if (flen < 0) {
    fs.Close(f);
    return ST_FAILED;
  }
  if (file.Limit >= 0) flen = std::min(flen, file.Limit);
  file.Flen = flen;
  file.Fcur = std::clamp<FileOffset>(file.Fcur, 0, flen);

  const FileOffset m = buffer.Capacity;
  FileOffset p = std::clamp<FileOffset>(buffer.Wanted, 0, m);
  FileOffset s = file.Fcur - p;
  if (s < 0) p += s, s = 0;
  if (flen - s < m) {  // slide back so that the block ends at the end of the file
    FileOffset s2 = std::max<FileOffset>(flen - m, 0);
    p += s - s2;
    s = s2;
  }
  uint16_t status = 0;
  FileOffset size = m;
  if (flen - s < m) size = flen - s, status |= ST_EOF;
  if (size == 0) {
    fs.Close(f);
    return status | ST_EMPTY;
  }
  if (s > 0 && !fs.Seek(f, s)) {
    fs.Close(f);
    return status | ST_FAILED;
  }
  FileOffset got = 0;
  while (got < size) {
    int32_t n = fs.Read(f, buffer.Data + got, static_cast<int32_t>(size - got));
    if (n <= 0 || n > size - got) {  // an error, or the file ended early
      fs.Close(f);
      return status | ST_FAILED;
    }
    got += n;
  }
  fs.Close(f);
  window = ReadWindow{buffer.Data, static_cast<int32_t>(size), static_cast<int32_t>(p), flen};
  return status;
}
