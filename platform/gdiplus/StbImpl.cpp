// The one home of the stb_image and stb_image_write implementations. Only the formats the
// picture holder offers are compiled in, and the stand-in reads and writes files itself.
// Built with -msse2 and without two UBSan checks (see platform/CMakeLists.txt): the JPEG writer
// and decoders shift negative values by design, and the PNG reader copies zero bytes to NULL.
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image_checked.h>  // the installed header with bounds it lacks (StbImage.cmake)

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
