#include "engine/job_texts.h"

const char* const kMapJobTitle = "添加映射";
const char* const kMapJobDoneText = "一键添加映射已完成。";
const char* const kDeleteJobTitle = "删除映射";
const char* const kDeleteJobDoneText = "一键删除映射已完成。";
const char* const kUnsafeAddressText =
    "节点IP中含有不允许的字符（& | < > ^ \" % ! 或控制字符），未添加映射。";

std::string addFailureText(int failedCount) {
    return "一键添加映射未全部成功：10 条映射中有 " + std::to_string(failedCount) +
           " 条添加失败。请以管理员身份运行本程序，并检查节点IP是否正确。";
}
