# Writes the copy of stb_image.h that platform/gdiplus/StbImpl.cpp compiles: the installed header
# with the JPEG bounds that stb_image 2.27 (Debian 12) lacks. Without them a Huffman table
# declaring more than 256 codes writes past the decoder's tables, a code read from the data can
# index past them, and a scan naming a table the file never defined decodes with uninitialised
# memory.
set(stb_image_installed "${STB_INCLUDE_DIR}/stb/stb_image.h")
set(stb_image_checked_dir "${CMAKE_CURRENT_BINARY_DIR}/stb_checked")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${stb_image_installed}")

# Puts the bound text in place of the unbounded one; a header that has neither (a release that
# reads the data differently) stops the build, so that its bounds are checked again.
function(stb_add_bound unbounded bounded bounded_pattern what)
  string(FIND "${stb_text}" "${unbounded}" at)
  if(at GREATER -1)
    string(REPLACE "${unbounded}" "${bounded}" stb_text "${stb_text}")
    set(stb_text "${stb_text}" PARENT_SCOPE)
  elseif(NOT stb_text MATCHES "${bounded_pattern}")
    message(FATAL_ERROR "stb_image.h: the JPEG ${what} has changed; check its bounds")
  endif()
endfunction()

file(READ "${stb_image_installed}" stb_text)
# A table declaring more than 256 codes.
stb_add_bound("               n += sizes[i];\n            }\n            L -= 17;"
  "               n += sizes[i];\n            }\n            if (n > 256) return stbi__err(\"bad DHT header\",\"Corrupt JPEG\");\n            L -= 17;"
  "n > 256\\) return stbi__err\\(\"bad DHT header\""
  "Huffman table reader")
# A code whose symbol id lies past the table's 256 entries is refused as a code not found.
stb_add_bound("h->delta[k];\n   STBI_ASSERT("
  "h->delta[k];\n   if (c < 0 || c >= 256) return -1;\n   STBI_ASSERT("
  "if \\(c < 0 \\|\\| c >= 256\\)"
  "Huffman decoder")
# A scan may name a Huffman or quantisation table that the file never defined; the decoder's
# tables then start zeroed instead of holding whatever its allocation held before.
stb_add_bound("stbi__jpeg* j = (stbi__jpeg*) stbi__malloc(sizeof(stbi__jpeg));\n   if (!j) return stbi__errpuc(\"outofmem\", \"Out of memory\");\n"
  "stbi__jpeg* j = (stbi__jpeg*) stbi__malloc(sizeof(stbi__jpeg));\n   if (!j) return stbi__errpuc(\"outofmem\", \"Out of memory\");\n   memset(j, 0, sizeof(stbi__jpeg));\n"
  "memset\\(j, 0, sizeof\\(stbi__jpeg\\)\\)"
  "decoder's allocation")

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
