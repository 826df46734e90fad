# The platform layer of the browser build: the web back end and the headless
# one, the shared files that need no desktop, and the faces the desktop build
# rasterized for the page (VQ_WEB_FACES, made by quorila-webfaces; without
# it the page has no system fonts and the toolkit falls back as it does on a
# desktop without them).
file(GLOB VQ_PLATFORM_SOURCES CONFIGURE_DEPENDS
     toolkit/platform/*.cpp toolkit/platform/web/*.cpp toolkit/platform/headless/*.cpp)
# Font rasterizing and picture decoding of the desktop stay there.
list(FILTER VQ_PLATFORM_SOURCES EXCLUDE REGEX "/toolkit/platform/(font_|picture_)[^/]*\\.cpp$")
# The tests' handle on the headless back end has a library of its own.
list(FILTER VQ_PLATFORM_SOURCES EXCLUDE REGEX "/headless_handle\\.cpp$")
set(VQ_WEB_FACES "" CACHE FILEPATH "The faces rasterized for the page (web_faces_data.cpp)")
if(NOT VQ_WEB_FACES)
  set(VQ_WEB_FACES ${CMAKE_BINARY_DIR}/web_faces_none.cpp)
  file(WRITE ${VQ_WEB_FACES} "#include \"web_faces.h\"\nconst vqweb_face vqweb_faces[1] = {};\nconst size_t vqweb_face_count = 0;\n")
endif()
add_library(vqplatform STATIC ${VQ_PLATFORM_SOURCES} ${VQ_WEB_FACES})
target_include_directories(vqplatform PUBLIC toolkit/platform
                           PRIVATE toolkit/platform/web)
