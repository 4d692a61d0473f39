# Writes the copy of stb_image.h that platform/gdiplus/StbImpl.cpp compiles: the installed header
# with the bounds that stb_image 2.27 (Debian 12) lacks and later releases have. Without them a
# JPEG Huffman table declaring more than 256 codes writes past the decoder's tables, and a code
# read from the data can index past them.
set(stb_image_installed "${STB_INCLUDE_DIR}/stb/stb_image.h")
set(stb_image_checked_dir "${CMAKE_CURRENT_BINARY_DIR}/stb_checked")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${stb_image_installed}")

file(READ "${stb_image_installed}" stb_text)
set(dht_unbounded "               n += sizes[i];\n            }\n            L -= 17;")
set(dht_bounded "               n += sizes[i];\n            }\n            if (n > 256) return stbi__err(\"bad DHT header\",\"Corrupt JPEG\");\n            L -= 17;")
string(FIND "${stb_text}" "${dht_unbounded}" dht_at)
if(dht_at GREATER -1)
  string(REPLACE "${dht_unbounded}" "${dht_bounded}" stb_text "${stb_text}")
elseif(NOT stb_text MATCHES "n > 256\\) return stbi__err\\(\"bad DHT header\"")
  message(FATAL_ERROR "stb_image.h: the JPEG Huffman table reader has changed; check its bounds")
endif()

# A Huffman code whose symbol id lies past the 256 entries of its table is refused as a code not
# found, as later releases do.
set(huff_unbounded "h->delta[k];\n   STBI_ASSERT(")
set(huff_bounded "h->delta[k];\n   if (c < 0 || c >= 256) return -1;\n   STBI_ASSERT(")
string(FIND "${stb_text}" "${huff_unbounded}" huff_at)
if(huff_at GREATER -1)
  string(REPLACE "${huff_unbounded}" "${huff_bounded}" stb_text "${stb_text}")
elseif(NOT stb_text MATCHES "if \\(c < 0 \\|\\| c >= 256\\)")
  message(FATAL_ERROR "stb_image.h: the JPEG Huffman decoder has changed; check its bounds")
endif()

set(stb_image_checked "${stb_image_checked_dir}/stb_image_checked.h")
set(stb_old_text "")
if(EXISTS "${stb_image_checked}")
  file(READ "${stb_image_checked}" stb_old_text)
endif()
if(NOT stb_old_text STREQUAL stb_text)
  file(WRITE "${stb_image_checked}" "${stb_text}")
endif()
set_property(SOURCE "${PROJECT_SOURCE_DIR}/platform/gdiplus/StbImpl.cpp" APPEND PROPERTY
  INCLUDE_DIRECTORIES "${stb_image_checked_dir}")
