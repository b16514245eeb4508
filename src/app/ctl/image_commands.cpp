// The `gmousectl image` commands: work on image files, no mouse needed.

#include "app/ctl/command.h"
#include "app/ctl/image_cli.h"

namespace gm::ctl {

void registerImageCommands(CommandRegistry& registry) {
    registry.add({"image new",
                  "--chip 4210A|4230A --config 1|2|3 -o FILE",
                  "write a factory configuration image to a file",
                  "Writes the built-in factory image RDXM<chip>Data_Cfg<config> (2048 bytes) to\n"
                  "FILE. The file is written beside the target and renamed over it, so an\n"
                  "existing FILE is either replaced whole or left as it was.\n"
                  "Exit status: 0 written, 1 the file could not be written, 2 bad arguments.",
                  {kChipOption,
                   {{"--config"}, OptionValue::Required},
                   {{"-o", "--output"}, OptionValue::Required}},
                  runImageNew});
    registry.add({"image check",
                  "FILE [--chip 4210A|4230A]",
                  "check the check bytes, marker and patch checksum of an image file",
                  "Prints one line per section (Vendor, User, Profile1, Profile2, Profile3): ok,\n"
                  "or bad with the stored and the expected check byte. Then the marker byte 495\n"
                  "(E0 in a valid image) and the patch checksum, stored and computed over the\n"
                  "header's patch length; --chip sets the patch area size (default 4210A).\n"
                  "Exit status: 0 all ok, 1 something is wrong, 2 the file is unusable\n"
                  "(missing, unreadable or not 2048 bytes) or bad arguments.",
                  {kChipOption},
                  runImageCheck});
    registry.add({"image show",
                  "FILE [--chip 4210A|4230A]",
                  "show the settings an image file holds",
                  "Prints the chip type (from the patch length: 736 is 4210A, 512 is 4230A;\n"
                  "otherwise --chip or unknown), the USB ids, the product text, the CPI levels\n"
                  "with values and colours, the current level, the report rate and the three\n"
                  "key tables and the combo keys as key function codes.\n"
                  "Exit status: 0 shown, 2 the file is unusable or bad arguments.",
                  {kChipOption},
                  runImageShow});
}

}  // namespace gm::ctl
