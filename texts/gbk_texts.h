// Every text the program shows, as the exact bytes it hands to Windows.
//
// The program runs with the ANSI code page 936 (GBK), so its own texts are
// GBK bytes. They are written here as escapes, with the readable text in a
// comment, so no compiler or editor setting can change them. A literal is
// split where a hex digit follows an escape, since "\x" is greedy.
#pragma once

#include <string_view>

namespace realsuffix::texts {

// Result texts of the detection that are not plain ASCII.
inline constexpr std::string_view kDllOrExe = ".dll\xBB\xF2.exe";  // .dll或.exe
inline constexpr std::string_view kUnknown = "\xCE\xDE\xB7\xA8\xC5\xD0\xB6\xCF!";  // 无法判断!

// The fatal error box.
inline constexpr std::string_view kFatalCaption = "\xB4\xED\xCE\xF3";  // 错误
inline constexpr std::string_view kFatalHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";  // 运行时出错!
inline constexpr std::string_view kFatalInfoLabel = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";  // 错误信息：
// A printf format: the number of bytes asked for goes in place of %d.
inline constexpr std::string_view kAllocFailedFormat =
    "\xB7\xD6\xC5\xE4 %d \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";  // 分配 %d 字节内存失败!
inline constexpr std::string_view kLayoutLoadFailed =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";  // 载入窗口模板数据段出错!
inline constexpr std::string_view kWindowCreateFailed =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";  // 载入启动窗口失败

// The main window.
inline constexpr std::string_view kWindowCaption = "Ostrelin BY Wendamar";
inline constexpr std::string_view kLabel1 = "\xB0\xD1\xCE\xC4\xBC\xFE\xCD\xCF\xB7\xC5\xB5\xBD\xD5\xE2\xC0\xEF";  // 把文件拖放到这里
inline constexpr std::string_view kLabel2 = "\xBA\xF3\xD7\xBA\xCE\xAA";  // 后缀为
inline constexpr std::string_view kButton1 = "\xB9\xA6\xC4\xDC";  // 功能
inline constexpr std::string_view kButton2 = "\xD2\xC9\xBB\xF3";  // 疑惑
inline constexpr std::string_view kButton3 = "\xC7\xE5\xBF\xD5";  // 清空
inline constexpr std::string_view kButton4 =
    "\xB8\xB4\xD6\xC6\xD7\xF3\xB1\xDF\xB4\xB0\xBF\xDA\xC4\xDA\xC8\xDD";  // 复制左边窗口内容
inline constexpr std::string_view kButton5 =
    "\xB8\xB4\xD6\xC6\xD3\xD2\xB1\xDF\xB4\xB0\xBF\xDA\xC4\xDA\xC8\xDD";  // 复制右边窗口内容
inline constexpr std::string_view kButton6 = "\xD0\xDE\xB8\xC4\xCE\xC4\xBC\xFE\xBA\xF3\xD7\xBA";  // 修改文件后缀

// Message boxes. The default caption ends with a full-width colon; the kind
// list's caption has an ASCII one.
inline constexpr std::string_view kDefaultCaption = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：
inline constexpr std::string_view kKindListCaption = "\xCD\xFA\xCD\xFA:Wendamar";  // 旺旺:Wendamar

// Nine lines joined by CR LF, none after the last. Fixed text, not made from
// the signature chain: it differs from it (no flv, avi in lower case, ...).
inline constexpr std::string_view kKindList =
    "\xC5\xD0\xB6\xCF\xCA\xD3\xC6\xB5\xB8\xF1\xCA\xBD\xB5\xC4\xD5\xE6\xD5\xFD\xBA\xF3\xD7\xBA\r\n"  // 判断视频格式的真正后缀
    "\xC4\xBF\xC7\xB0\xC4\xDC\xC5\xD0\xB6\xCF\xB5\xC4\xB8\xF1\xCA\xBD\xD3\xD0:\r\n"  // 目前能判断的格式有:
    "rmvb/mp4/avi/3gp/wmv\r\n"
    "mp3/wav\r\n"
    "jpg/png/gif/bmp/dwg\r\n"
    "reg/dll/e/exe\r\n"
    "rar/zip/\r\n"
    "doc/xls/mht/chm/pdf\r\n"
    "\xB3\xA3\xBC\xFB\xB5\xC4\xD5\xE2\xBC\xB8\xD6\xD6,"  // 常见的这几种,
    "\xD2\xD4\xBA\xF3\xBB\xB9\xBB\xE1\xB8\xFC\xD0\xC2\xB8\xFC\xB6\xE0\xC0\xE0\xD0\xCD";  // 以后还会更新更多类型

// Four lines, each followed by CR LF, the last one included.
inline constexpr std::string_view kQuestions =
    // 1.为什么有些视频判断的结果张冠李戴?
    "1.\xCE\xAA\xCA\xB2\xC3\xB4\xD3\xD0\xD0\xA9\xCA\xD3\xC6\xB5\xC5\xD0\xB6\xCF\xB5\xC4\xBD\xE1\xB9\xFB"
    "\xD5\xC5\xB9\xDA\xC0\xEE\xB4\xF7?\r\n"
    //   判断没错!说明你这个视频后缀可以改的.试试即可.
    "  \xC5\xD0\xB6\xCF\xC3\xBB\xB4\xED!\xCB\xB5\xC3\xF7\xC4\xE3\xD5\xE2\xB8\xF6\xCA\xD3\xC6\xB5\xBA\xF3"
    "\xD7\xBA\xBF\xC9\xD2\xD4\xB8\xC4\xB5\xC4.\xCA\xD4\xCA\xD4\xBC\xB4\xBF\xC9.\r\n"
    // 2.判断有时候比较慢啊?
    "2.\xC5\xD0\xB6\xCF\xD3\xD0\xCA\xB1\xBA\xF2\xB1\xC8\xBD\xCF\xC2\xFD\xB0\xA1?\r\n"
    //   因为比较的信息有点多,文件越大判断越慢
    "  \xD2\xF2\xCE\xAA\xB1\xC8\xBD\xCF\xB5\xC4\xD0\xC5\xCF\xA2\xD3\xD0\xB5\xE3\xB6\xE0,"
    "\xCE\xC4\xBC\xFE\xD4\xBD\xB4\xF3\xC5\xD0\xB6\xCF\xD4\xBD\xC2\xFD\r\n";

}  // namespace realsuffix::texts
