#include "platform/storage/mkfs_card_formatter.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "language/text.h"
#include "platform/storage/removable_card.h"
#include "platform/storage/system_format_steps.h"
#include "platform_storage/fake_card.h"
#include "recorder_config/format_plan.h"
#include "recorder_config/recording_prompts.h"

namespace halvo {
namespace {

// Records the steps in order and answers from a script; touches nothing.
class FakeFormatSteps : public FormatSteps {
 public:
  bool MayFormat(const MountedCard&) override { return mayFormat; }
  std::optional<uint64_t> VolumeMegabytes(const MountedCard&) override { return megabytes; }
  int Unmount(const MountedCard& card) override {
    log.push_back("unmount " + card.mountPoint);
    return unmountError;
  }
  CommandResult RunMkfs(const std::vector<std::string>& arguments) override {
    std::string line = "run";
    for (const std::string& argument : arguments) line += " " + argument;
    log.push_back(line);
    return mkfsResult;
  }
  int Mount(const MountedCard& card, const std::string& fsType) override {
    log.push_back("mount " + fsType + " " + card.device + " " + card.mountPoint);
    return mountError;
  }

  bool mayFormat = true;
  std::optional<uint64_t> megabytes = 1907;
  int unmountError = 0;
  CommandResult mkfsResult{0, "mkfs.fat 4.2 (2021-01-31)\n"};
  int mountError = 0;
  std::vector<std::string> log;
};

class CardFormatterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!machine.nodesMade()) GTEST_SKIP() << "cannot make device nodes here";
  }
  FormatOutcome Format(const std::string& entry, bool quick = true) {
    MkfsCardFormatter formatter(steps, machine.mountInfo(), machine.sysfs());
    return formatter.FormatCard(entry, quick, prompts);
  }
  std::string Message(size_t i) const { return ToUtf8(prompts.calls.at(i).text); }

  FakeCardMachine machine;
  FakeFormatSteps steps;
  RecordingPrompts prompts;
};

TEST_F(CardFormatterTest, FindsOnlyTheRemovableCard) {
  const auto mounts = ReadMountInfo(machine.mountInfo());
  const auto card = FindRemovableCard(machine.cardMount() + "/", mounts, machine.sysfs());
  ASSERT_TRUE(card.has_value());
  EXPECT_EQ(card->device, machine.cardDevice());
  EXPECT_EQ(card->mountPoint, machine.cardMount());
  EXPECT_FALSE(FindRemovableCard(machine.fixedMount(), mounts, machine.sysfs()));
  EXPECT_FALSE(FindRemovableCard(machine.root() + "/media", mounts, machine.sysfs()));
  EXPECT_FALSE(FindRemovableCard("/", mounts, machine.sysfs()));

  const MountRequest again = RemountRequest(*card);
  EXPECT_EQ(again.flags, static_cast<unsigned long>(MS_NOSUID | MS_NODEV));
  EXPECT_EQ(again.data, "uid=1000,gid=1000,fmask=0022,dmask=0022");
}

TEST_F(CardFormatterTest, ConfirmedFormatUnmountsFormatsByPlanAndMountsAgain) {
  prompts.answerYes = true;
  EXPECT_EQ(Format(machine.cardMount()), FormatOutcome::Formatted);
  ASSERT_EQ(prompts.calls.size(), 1u) << "only the question; the save announces success";
  EXPECT_TRUE(prompts.calls[0].question);
  EXPECT_EQ(prompts.calls[0].text, FormatWarningText());
  EXPECT_EQ(ToUtf8(prompts.calls[0].caption), "Format SD card (" + machine.cardMount() + ")");
  EXPECT_EQ(prompts.calls[0].icon, PromptIcon::Warning);
  EXPECT_EQ(steps.log, (std::vector<std::string>{
                           "unmount " + machine.cardMount(),
                           "run mkfs.fat -F 32 -S 512 -s 32 " + machine.cardDevice(),
                           "mount vfat " + machine.cardDevice() + " " + machine.cardMount()}));
}

TEST_F(CardFormatterTest, DeclinedDoesNothing) {
  EXPECT_EQ(Format(machine.cardMount()), FormatOutcome::Declined);
  EXPECT_EQ(prompts.calls.size(), 1u);
  EXPECT_TRUE(steps.log.empty());
}

TEST_F(CardFormatterTest, RefusesAnythingButARemovableCardBeforeAsking) {
  prompts.answerYes = true;
  for (const std::string& entry : {machine.fixedMount(), std::string("/"), machine.root()}) {
    prompts.calls.clear();
    EXPECT_EQ(Format(entry), FormatOutcome::Refused) << entry;
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_FALSE(prompts.calls[0].question);
    EXPECT_EQ(Message(0), "Not formatted: " + entry +
                              " is not a removable card mounted there on its own. Only a "
                              "removable card is ever formatted.");
  }
  EXPECT_TRUE(steps.log.empty());
}

TEST_F(CardFormatterTest, FailuresAreReportedAndTheCardIsMountedAgain) {
  struct Case {
    const char* name;
    int unmountError;
    CommandResult mkfs;
    int mountError;
    FormatOutcome outcome;
    std::vector<std::string> steps;
    std::string message;
  };
  const std::string unmount = "unmount " + machine.cardMount();
  const std::string run = "run mkfs.fat -F 32 -S 512 -s 32 " + machine.cardDevice();
  const std::string mountNew = "mount vfat " + machine.cardDevice() + " " + machine.cardMount();
  const std::string mountOld = "mount exfat " + machine.cardDevice() + " " + machine.cardMount();
  const Case cases[] = {
      {"card in use",
       EBUSY,
       {},
       0,
       FormatOutcome::Failed,
       {unmount},
       "Not formatted: the card at " + machine.cardMount() +
           " can not be unmounted: Device or resource busy. Close every program that uses the "
           "card and try again."},
      {"no right to unmount",
       EPERM,
       {},
       0,
       FormatOutcome::Refused,
       {unmount},
       "You do not have permission to format the card at " + machine.cardMount() + " (" +
           machine.cardDevice() +
           "). Formatting a card needs administrator rights. Nothing was formatted."},
      {"mkfs fails",
       0,
       {1, "mkfs.fat: unable to open: Read-only file system\n"},
       0,
       FormatOutcome::Failed,
       {unmount, run, mountOld},
       "Formatting " + machine.cardDevice() +
           " failed. mkfs.fat said:\nmkfs.fat: unable to open: Read-only file system\n"},
      {"mount fails after format",
       0,
       {0, ""},
       ENODEV,
       FormatOutcome::CardNotMounted,
       {unmount, run, mountNew},
       "The card could not be mounted again at " + machine.cardMount() +
           ": No such device. Remove the card and insert it again."},
  };
  prompts.answerYes = true;
  for (const Case& c : cases) {
    steps.log.clear();
    prompts.calls.clear();
    steps.unmountError = c.unmountError;
    steps.mkfsResult = c.mkfs;
    steps.mountError = c.mountError;
    EXPECT_EQ(Format(machine.cardMount()), c.outcome) << c.name;
    EXPECT_EQ(steps.log, c.steps) << c.name;
    ASSERT_EQ(prompts.calls.size(), 2u) << c.name;
    EXPECT_EQ(Message(1), c.message) << c.name;
  }
}

TEST_F(CardFormatterTest, SizeAndQuickChooseTheMkfsArguments) {
  prompts.answerYes = true;
  steps.megabytes = 512;
  Format(machine.cardMount(), false);
  EXPECT_EQ(steps.log.at(1), "run mkfs.fat -c " + machine.cardDevice());
  steps.log.clear();
  steps.megabytes = 900;
  Format(machine.cardMount(), true);
  EXPECT_EQ(steps.log.at(1), "run mkfs.fat -F 32 -S 512 -s 16 " + machine.cardDevice());
}

TEST_F(CardFormatterTest, WithoutPermissionSaysSoBeforeAsking) {
  steps.mayFormat = false;
  EXPECT_EQ(Format(machine.cardMount()), FormatOutcome::Refused);
  ASSERT_EQ(prompts.calls.size(), 1u);
  EXPECT_FALSE(prompts.calls[0].question);
  EXPECT_EQ(Message(0), "You do not have permission to format the card at " + machine.cardMount() +
                            " (" + machine.cardDevice() +
                            "). Formatting a card needs administrator rights. Nothing was "
                            "formatted.");
  EXPECT_TRUE(steps.log.empty());
}

// The real steps as an ordinary user: the permission message, and nothing else happens.
TEST_F(CardFormatterTest, RealStepsRefuseAnOrdinaryUser) {
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(10);
    SystemFormatSteps real;
    MkfsCardFormatter formatter(real, machine.mountInfo(), machine.sysfs());
    RecordingPrompts childPrompts;
    childPrompts.answerYes = true;
    if (formatter.FormatCard(machine.cardMount(), true, childPrompts) != FormatOutcome::Refused) {
      _exit(11);
    }
    if (childPrompts.calls.size() != 1 || childPrompts.calls[0].question) _exit(12);
    if (!ToUtf8(childPrompts.calls[0].text).starts_with("You do not have permission")) _exit(13);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "10 setuid, 11 outcome, 12 prompts, 13 message";
}

// The machine's own root file system, with the real steps: refused before any question.
TEST(CardFormatter, RefusesTheRootFileSystem) {
  SystemFormatSteps real;
  MkfsCardFormatter formatter(real);
  RecordingPrompts prompts;
  EXPECT_EQ(formatter.FormatCard("/", true, prompts), FormatOutcome::Refused);
  ASSERT_EQ(prompts.calls.size(), 1u);
  EXPECT_FALSE(prompts.calls[0].question);
}

}  // namespace
}  // namespace halvo
