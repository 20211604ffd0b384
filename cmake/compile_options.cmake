# Warnings everywhere; sanitizers on the host build; a static runtime on Windows so the
# program folder needs no compiler DLLs.
add_compile_options(-Wall -Wextra -Wpedantic -Wno-unused-parameter)

if(QUORVEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# libFuzzer's coverage over all the code a fuzz target reaches.
if(QUORVEL_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
    add_link_options(-static -static-libgcc -static-libstdc++)
    # Sections laid out in the file at page boundaries, as they are in memory: Wine then
    # maps an image from the file (shared, clean pages) instead of copying every section
    # into private memory, which cost the program 1.4 MB and each module load a full read.
    # Windows maps either layout.
    add_link_options(-Wl,--file-alignment,4096)
endif()
