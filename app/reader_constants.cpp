#include "app/reader_constants.h"

namespace voxlet {
namespace {

constexpr ReaderConstants kConstants = {
    "妈妈再也不用担心我不会英语或者国语怎么读啦。\r\n"
    "--------------------------------------------\r\n"
    "将需要阅读的内容粘贴到这个编辑框里面点击开始\r\n"
    "--------------------------------------------\r\n"
    "这里的语音还可以保存为文件分享给其他小伙伴们",
    "音量: ",
    "语速: ",
    "%",
    "声音文件格式(*.wav)|*.wav",
    "wav",
    "目前无法工作（通常是因为没有安装 MS Speech SDK 5.1）",
    "暂停",
    "开始",
};

// The instruction text is compared byte for byte with the edit box's content.
static_assert(__builtin_strlen(kConstants.instructionText) == 228);

}  // namespace

const ReaderConstants& Constants() { return kConstants; }

}  // namespace voxlet
