#include "ui/texts.h"

#include <cstddef>

const char* const kWindowCaption = "Vesk节点-云服务器代理-端口映射器-端口转发器-内部版-1.0.0";
const char* const kMapButtonText = "端口一键映射";
const char* const kDeleteButtonText = "端口一键删除";
const char* const kPortCheckButtonText = "Vesk节点端口检测";
const char* const kAddressLabelText = "节点IP";
const char* const kAddressPreset = "192.168.30.10";

const char* const kStartupNoticeText =
    "本软件只能搭配云服务器代理且在云服务器里面打开使用，在自己的节点电脑里直接打开使用是没有用的。";
const char* const kStartupNoticeTitle = "注意";

const char* const kPortCheckPageAddress = "https://canyouseeme.org/";

const char* const kNotesFaceName = "宋体";

const char* const kFatalErrorTitle = "VeskPortMapper 错误";
const char* const kOutOfMemoryText = "内存不足，程序无法继续运行，即将退出。";
const char* const kWindowNotBuiltText = "无法创建程序窗口，程序即将退出。";

namespace {

// Lines 1 to 14. Lines 11 to 13 are left empty on purpose: the program names no contact of anyone.
const char* const kNotesLines[] = {
    "1：本程序可能被杀毒软件误报为有害程序，请放心使用；如有顾虑，可直接删除本程序",
    "2：软件为内部自用版，如不慎外泄，请勿用于非法用途",
    "3：本程序只支持Vesk节点云服务器端代理的端口自动映射与删除",
    "4：请不要同时安装使用其他的端口映射软件，避免引起冲突",
    "5：端口一键映射或删除后实时生效，无需保持软件在桌面运行，可以直接关掉/卸载/删除等",
    "6：节点IP请填写公网IP(专线公网IP/动态公网IP)或者内部局域网IP(问自己的云服代理搭建人怎么看)",
    "7：请勿利用本程序进行二次开发/商用等",
    "8：欢迎加入Vesk节点技术交流群，入群二维码可通过微信或QQ向群管理员索取",
    "",
    "",
    "",
    "",
    "",
    "",
};

// The last line names the page the third button opens, so the user sees where it leads.
const char* const kPortCheckLinePrefix = "端口检测网址：";

}  // namespace

std::string notesText() {
    std::string text;
    for (std::size_t i = 0; i < sizeof kNotesLines / sizeof kNotesLines[0]; ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += kNotesLines[i];
    }
    return text + "\r\n" + kPortCheckLinePrefix + kPortCheckPageAddress;
}
