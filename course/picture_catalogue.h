#pragma once
// Every picture file of the course: its name, the folder it belongs in and its
// size in pixels.  Data-folder pictures are shared by all units, unit-folder
// pictures are copied into the folders of the units that load them, and the
// navigation bitmaps are built into every lesson program.

#include <string_view>

namespace course {

enum class Folder { Data, Unit, Navigation };

struct PictureFile {
    std::string_view name;
    Folder folder;
    int width;
    int height;
};

inline constexpr PictureFile kPictureFiles[] = {
    {"ﾎﾟｺ.BMP", Folder::Data, 160, 200},
    {"ﾐﾙ.BMP", Folder::Data, 160, 200},
    {"ﾎﾟｺ2.BMP", Folder::Data, 160, 200},
    {"ﾐﾙ2.BMP", Folder::Data, 160, 200},
    {"ｻｲｹ.BMP", Folder::Data, 600, 90},
    {"ｽﾄﾗｲﾌﾟ.BMP", Folder::Data, 200, 60},
    {"PF.BMP", Folder::Data, 20, 50},
    {"MF.BMP", Folder::Data, 20, 50},
    {"mf.BMP", Folder::Data, 20, 50},
    {"pl.BMP", Folder::Data, 32, 50},
    {"pr.BMP", Folder::Data, 32, 50},
    {"ml.BMP", Folder::Data, 32, 50},
    {"mr.BMP", Folder::Data, 32, 50},
    {"右指.BMP", Folder::Unit, 15, 13},
    {"左指.BMP", Folder::Unit, 15, 13},
    {"上指.BMP", Folder::Unit, 13, 15},
    {"下指.BMP", Folder::Unit, 13, 15},
    {"天秤1.BMP", Folder::Unit, 136, 52},
    {"天秤2.BMP", Folder::Unit, 136, 66},
    {"天秤3.BMP", Folder::Unit, 136, 66},
    {"BEFOR.BMP", Folder::Navigation, 170, 33},
    {"LAST.BMP", Folder::Navigation, 170, 33},
    {"NEXT.BMP", Folder::Navigation, 170, 33},
    {"WHERE.BMP", Folder::Navigation, 170, 33},
    {"HEAD.BMP", Folder::Navigation, 170, 33},
    {"TOP.BMP", Folder::Navigation, 170, 33},
    {"EXIT.BMP", Folder::Navigation, 170, 33},
};

}  // namespace course
