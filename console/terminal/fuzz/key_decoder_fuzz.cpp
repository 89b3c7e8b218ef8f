// libFuzzer target: any bytes, split at random points and fed at random times,
// keep the decoder's invariants (see key_decoder_check.h). The same checks run
// over console/terminal/testdata/key_decoder_corpus in key_decoder_test.cpp.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "console/terminal/fuzz/key_decoder_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;  // longer inputs find nothing new and slow the run
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string error = tarvana::keyDecoderCheck::CheckKeyDecoderInput(bytes);
  if (!error.empty()) {
    std::fprintf(stderr, "key decoder invariant broken: %s\ninput: \"%s\"\n", error.c_str(),
                 tarvana::keyDecoderCheck::Escaped(bytes).c_str());
    std::abort();
  }
  return 0;
}
