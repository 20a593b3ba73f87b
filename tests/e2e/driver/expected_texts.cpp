#include "expected_texts.h"

const char* const kMainCaption = "Vesk节点-云服务器代理-端口映射器-端口转发器-内部版-1.0.0";
const char* const kNoticeTitle = "注意";
const char* const kNoticeText =
    "本软件只能搭配云服务器代理且在云服务器里面打开使用，在自己的节点电脑里直接打开使用是没有用的。";
const char* const kMapTitle = "添加映射";
const char* const kMapDoneText = "一键添加映射已完成。";
const char* const kDeleteTitle = "删除映射";
const char* const kDeleteDoneText = "一键删除映射已完成。";
const char* const kUnsafeAddressText =
    "节点IP中含有不允许的字符（& | < > ^ \" % ! 或控制字符），未添加映射。";
const char* const kPresetAddress = "192.168.30.10";

std::string addFailedText(int failed) {
    return "一键添加映射未全部成功：10 条映射中有 " + std::to_string(failed) +
           " 条添加失败。请以管理员身份运行本程序，并检查节点IP是否正确。";
}

std::string deleteArguments(int portIndex) {
    return "interface portproxy del v4tov4 listenport=3140" + std::to_string(portIndex);
}

std::string addArguments(int portIndex, const std::string& address) {
    const std::string port = "3140" + std::to_string(portIndex);
    return "interface portproxy add v4tov4 listenport=" + port + " connectaddress=" + address +
           " connectport=" + port;
}
