# Copies the navigation bitmaps NAMES (list) from FROM into TO, rewriting
# only what changed; fails, naming what is missing, while the bitmap step
# has not produced them.
set(missing "")
foreach(name IN LISTS NAMES)
  if(NOT EXISTS "${FROM}/${name}.BMP")
    list(APPEND missing "${name}.BMP")
  endif()
endforeach()
if(missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "The navigation bitmaps ${missing} are missing from ${FROM}: "
                      "the build step navigation_bitmaps makes them.")
endif()
file(MAKE_DIRECTORY "${TO}")
foreach(name IN LISTS NAMES)
  file(COPY_FILE "${FROM}/${name}.BMP" "${TO}/${name}.BMP" ONLY_IF_DIFFERENT)
endforeach()
