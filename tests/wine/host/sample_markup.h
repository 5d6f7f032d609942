// A small ribbon document in the shape of the add-in's, for the view tests.
#pragma once

#include <string>

#include "custom_ui.h"
#include "test_text.h"

namespace standin_test {

inline std::wstring SampleDocument(bool startFromScratch = false) {
  const std::wstring ns(zorvane::standin::kCustomUiNamespace);
  return L"<customUI xmlns=\"" + ns + L"\" onLoad=\"Load\"><ribbon" +
         (startFromScratch ? L" startFromScratch=\"true\"" : L"") +
         L"><tabs>"
         L"<tab idMso=\"TabReview\" getVisible=\"Vis\"/>"
         L"<tab idMso=\"TabHome\" getVisible=\"Vis\"/>"
         L"<tab id=\"own\" label=\"Own\" insertBeforeMso=\"TabHome\">"
         L"<group id=\"g\" label=\" \">"
         L"<box id=\"bar\">"
         L"<menu id=\"all\" label=\"全部\" getVisible=\"Vis\">"
         L"<dynamicMenu id=\"m1in\" label=\"文件\" tag=\"File\" getContent=\"Get\"/></menu>"
         L"<labelControl id=\"gapAll\" label=\"   \" getVisible=\"Vis\"/>"
         L"<dynamicMenu id=\"m1\" label=\"文件\" tag=\"File\" getContent=\"Get\"/>"
         L"<labelControl id=\"gap1\" label=\"   \"/>"
         L"<dynamicMenu id=\"m2\" label=\"编辑\" tag=\"Edit\" getContent=\"Get\"/>"
         L"</box>"
         L"<box id=\"tools\">"
         L"<buttonGroup id=\"bg1\"><control idMso=\"FileNew\" showLabel=\"false\"/>"
         L"<control idMso=\"FileOpen\" showLabel=\"false\"/></buttonGroup>"
         L"<labelControl id=\"gapT\" label=\" \"/>"
         L"<buttonGroup id=\"bg2\"><control idMso=\"VisualBasic\" showLabel=\"false\"/>"
         L"<menu id=\"colors\" imageMso=\"ViewDisplayInGrayscale\" screentip=\"颜色和灰度\">"
         L"<control idMso=\"ViewDisplayInColor\"/><control idMso=\"ViewDisplayInGrayscale\"/></menu>"
         L"</buttonGroup>"
         L"</box>"
         L"</group></tab>"
         L"<tab id=\"after\" label=\"After\" insertAfterMso=\"TabView\"/>"
         L"<tab id=\"last\" label=\"Last\"/>"
         L"<tab id=\"lost\" label=\"Lost\" insertBeforeMso=\"TabNoSuch\"/>"
         L"</tabs></ribbon></customUI>";
}

}  // namespace standin_test
