// The header file inserted into reports: any bytes as the file. A file within the limit
// is read whole and byte for byte; a larger one is refused with nothing kept. A header
// that was read goes into a report, and the log file then holds exactly that report,
// beginning with the header's bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/result_log.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillion::framework;
  using quillion::fuzz::scratchFolder;
  quillion::fuzz::setUp();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string headerPath = scratchFolder() + "/header.txt";
  const std::string logPath = scratchFolder() + "/log.txt";
  FUZZ_CHECK(quillion::fuzz::writeWholeFile(headerPath, input));

  std::string header = "left over";
  const HeaderError error = readHeaderFile(headerPath, header);
  if (size > kHeaderFileLimit) {
    FUZZ_CHECK(error == HeaderError::Unusable);
    return 0;
  }
  FUZZ_CHECK(error == HeaderError::None);
  FUZZ_CHECK(header == input);

  ResultLog log;
  FUZZ_CHECK(log.open(logPath, true) == LogError::None);
  log.writeBytes(header);
  log.writeTitle("Anion Gap Calculations");
  log.writeLine("Anion Gap = 16");
  log.writeBlank();
  const std::string report = log.report();
  FUZZ_CHECK(report.starts_with(input));
  FUZZ_CHECK(log.close() == LogError::None);
  std::string written;
  FUZZ_CHECK(quillion::fuzz::readWholeFile(logPath, written));
  FUZZ_CHECK(written == report);
  return 0;
}
