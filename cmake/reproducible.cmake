# Makes the Windows program file a pure function of the source: two builds of the same
# commit, in any folder and at any time, give the same bytes. Also keeps it small.
if(WIN32)
  # No build folder in the objects (__FILE__, any debug or symbol paths). The build
  # folder sits inside the source folder, so it is listed last and wins.
  add_compile_options(
    -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
    -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)

  # Zero link time stamp in the PE header instead of the time of linking.
  add_link_options(-Wl,--no-insert-timestamp)

  # Release builds: unused functions and data dropped, symbol table (which names the
  # objects' source files) stripped.
  set(_vesk_release $<OR:$<CONFIG:MinSizeRel>,$<CONFIG:Release>>)
  add_compile_options($<${_vesk_release}:-ffunction-sections> $<${_vesk_release}:-fdata-sections>)
  add_link_options($<${_vesk_release}:-Wl,--gc-sections> $<${_vesk_release}:-s>)
  unset(_vesk_release)

  # A GUI program has no console, so the default terminate handler's message (which drags
  # in the C++ demangler and printf, about 75 KB) goes nowhere: terminate calls abort()
  # directly, as that handler does after printing.
  add_link_options($<$<BOOL:$<TARGET_PROPERTY:WIN32_EXECUTABLE>>:-Wl,--defsym,__ZN9__gnu_cxx27__verbose_terminate_handlerEv=_abort>)
endif()
