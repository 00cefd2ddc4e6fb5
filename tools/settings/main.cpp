// halvo-settings: the recorder's settings.ini record from the command line, for scripting a
// fleet of recorders and for reading a card back.
#include <CLI/CLI.hpp>
#include <cstdint>
#include <iostream>

#include "dump_command.h"
#include "field_values.h"
#include "language/text.h"
#include "recorder_config/format_plan.h"
#include "recorder_config/recording_estimate.h"
#include "write_command.h"

namespace halvo {
namespace {

CLI::Validator WholeMegabytes() {
  return CLI::Validator(
      [](std::string& text) {
        const bool digits = !text.empty() && text.size() <= 15 &&
                            text.find_first_not_of("0123456789") == std::string::npos;
        return digits ? std::string() : "expected a whole number of MiB, got " + text;
      },
      "MIB");
}

struct EstimateOptions {
  uint64_t freeMegabytes = 0;
  std::string recordResolution = "640x480";
  std::string frameInterval = "0:01";
};

int RunEstimate(const EstimateOptions& o) {
  const auto interval = ParseColonNumbers(o.frameInterval, 2);
  if (!interval) return InvalidValue("--frame-interval", o.frameInterval, "expected M:S");
  if (const std::string why = CheckFrameInterval((*interval)[0], (*interval)[1]); !why.empty()) {
    return InvalidValue("--frame-interval", o.frameInterval, why);
  }
  const RecordingEstimate estimate =
      EstimateRecordingTime(o.recordResolution, (*interval)[0], (*interval)[1],
                            EstimateFreeKilobytes(false, o.freeMegabytes), std::cerr);
  std::cout << ToUtf8(EstimateText(estimate)) << "\n";
  return 0;
}

struct FormatPlanOptions {
  uint64_t sizeMegabytes = 0;
  bool quick = false;
  std::string device = "DEVICE";
};

int RunFormatPlan(const FormatPlanOptions& o) {
  const FormatPlan plan = PlanFormat(o.sizeMegabytes, o.quick);
  std::cout << "file system: " << (plan.fat32 ? "FAT32" : "mkfs.fat default") << "\n"
            << "cluster size: "
            << (plan.clusterBytes != 0 ? std::to_string(plan.clusterBytes) + " bytes"
                                       : std::string("mkfs.fat default"))
            << "\n"
            << "format: " << (plan.quick ? "quick" : "full") << "\n";
  const auto arguments = MkfsFatArguments(plan, o.device);
  for (size_t i = 0; i < arguments.size(); ++i) std::cout << (i ? " " : "") << arguments[i];
  std::cout << "\n";
  return 0;
}

}  // namespace
}  // namespace halvo

int main(int argc, char** argv) {
  using namespace halvo;
  CLI::App app{"Writes and reads the recorder's settings.ini record"};
  app.require_subcommand(1);

  WriteOptions writeOptions;
  CLI::App* write = AddWriteCommand(app, writeOptions);

  std::string dumpPath;
  CLI::App* dump = app.add_subcommand("dump", "Print a settings record's fields as JSON");
  dump->add_option("file", dumpPath, "Settings record to read")->required();

  EstimateOptions estimateOptions;
  CLI::App* estimate = app.add_subcommand("estimate", "Recording time on a card's free space");
  estimate->add_option("--free-mib", estimateOptions.freeMegabytes, "Free space in MiB")
      ->required()
      ->check(WholeMegabytes());
  estimate->add_option("--record-resolution", estimateOptions.recordResolution)
      ->check(CLI::IsMember({"1360x1020", "1280x960", "640x480", "320x240"}));
  estimate->add_option("--frame-interval", estimateOptions.frameInterval, "Time per frame M:S");

  FormatPlanOptions planOptions;
  CLI::App* formatPlan =
      app.add_subcommand("format-plan", "How a card of a size is formatted, and the mkfs.fat call");
  formatPlan->add_option("--size-mib", planOptions.sizeMegabytes, "Card size in MiB")
      ->required()
      ->check(WholeMegabytes());
  formatPlan->add_flag("--quick", planOptions.quick, "Quick format (no bad-block scan)");
  formatPlan->add_option("--device", planOptions.device, "Device named in the mkfs.fat call");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }
  if (write->parsed()) return RunWrite(writeOptions);
  if (dump->parsed()) return RunDump(dumpPath);
  if (estimate->parsed()) return RunEstimate(estimateOptions);
  if (formatPlan->parsed()) return RunFormatPlan(planOptions);
  return 2;
}
