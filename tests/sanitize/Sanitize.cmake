# The sanitizer build: AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer on everything Hueprobe builds. Any finding ends the process with
# a report and a failing exit status, so a test that provokes one fails.
set(_sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${_sanitize})
add_link_options(${_sanitize})

# The sanitizers' settings and the leak suppressions are compiled into every
# program, so a test runs the same whether CTest, a script or a person starts it.
add_library(hueprobe_sanitizer_defaults OBJECT ${CMAKE_CURRENT_LIST_DIR}/SanitizerDefaults.cpp)
target_compile_definitions(hueprobe_sanitizer_defaults PRIVATE
  HUEPROBE_LSAN_SUPPRESSIONS="${CMAKE_CURRENT_LIST_DIR}/lsan.supp")
link_libraries($<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:hueprobe_sanitizer_defaults>)
