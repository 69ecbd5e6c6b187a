# Build helpers shared by the library, the companion libraries and the tests.

set(ORVEX_WARNINGS -Wall -Wextra -Wno-unused-parameter -Wno-cast-function-type)

# Sources of the libraries are UTF-8; the texts that reach the DLLs are Shift-JIS.
set(ORVEX_CHARSET -finput-charset=UTF-8 -fexec-charset=CP932)

# Options of every DLL that a host loads: undecorated stdcall exports from the
# def file, no runtime DLLs of the compiler.
function(orvex_library_options target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:${ORVEX_WARNINGS} ${ORVEX_CHARSET}>)
  target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  target_link_options(${target} PRIVATE -static-libgcc -static-libstdc++ -static
    -Wl,--enable-stdcall-fixup)
endfunction()

# Test programs and tools: fully static so Wine needs no extra DLLs.
function(orvex_program_options target)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${ORVEX_WARNINGS}>)
  target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# Joins def fragments (one export name a line) into one module definition file.
function(orvex_make_def out module fragments)
  set(text "LIBRARY ${module}\nEXPORTS\n")
  foreach(f IN LISTS fragments)
    file(READ ${f} body)
    string(APPEND text "${body}\n")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${f})
  endforeach()
  file(WRITE ${out}.tmp "${text}")
  configure_file(${out}.tmp ${out} COPYONLY)
endfunction()
