// Form description streams: any bytes are a form or error 1014.
#include "platform/form_description.h"
#include "platform/run_error.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const platform::FormDescription form = platform::read_form_stream({data, size});
        fuzz::require(form.controls.size() <= size, "every control comes from bytes of the stream");
    } catch (const platform::RunError& error) {
        fuzz::require(error.number() == 1014, "a stream that cannot be read is error 1014");
    }
    return 0;
}
