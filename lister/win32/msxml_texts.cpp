#include "msxml_texts.h"

#include <cstdint>

#include "text_file.h"
#include "wide.h"

namespace lister {
namespace {

// {2933BF95-7B36-11D2-B20E-00C04F983E60}; the import libraries do not carry it.
const IID kIidXmlDomDocument2 = {
    0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// Newest first: version 6 evaluates XPath natively; older versions are told to.
const wchar_t* const kDocumentProgIds[] = {L"Msxml2.DOMDocument.6.0", L"Msxml2.DOMDocument.3.0",
                                           L"Msxml2.DOMDocument"};

IXMLDOMDocument2* CreateDocument() {
  for (const wchar_t* progId : kDocumentProgIds) {
    CLSID classId;
    if (FAILED(CLSIDFromProgID(progId, &classId))) continue;
    IXMLDOMDocument2* document = nullptr;
    if (SUCCEEDED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, kIidXmlDomDocument2,
                                   reinterpret_cast<void**>(&document))))
      return document;
  }
  return nullptr;
}

class Bstr {
 public:
  explicit Bstr(const std::wstring& text)
      : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  Bstr() = default;
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return value_; }
  BSTR* out() { return &value_; }
  std::wstring text() const {
    return value_ ? std::wstring(value_, SysStringLen(value_)) : std::wstring();
  }

 private:
  BSTR value_ = nullptr;
};

// An XPath string literal for any id: quoted with whichever quote the id lacks,
// or pieced together with concat() when it holds both.
std::wstring XPathLiteral(const std::wstring& text) {
  if (text.find(L'\'') == std::wstring::npos) return L"'" + text + L"'";
  if (text.find(L'"') == std::wstring::npos) return L"\"" + text + L"\"";
  std::wstring literal = L"concat(";
  size_t start = 0;
  for (;;) {
    size_t quote = text.find(L'\'', start);
    literal += L"'" + text.substr(start, quote - start) + L"'";
    if (quote == std::wstring::npos) break;
    literal += L", \"'\", ";
    start = quote + 1;
  }
  return literal + L")";
}

VARIANT StringVariant(BSTR value) {
  VARIANT variant;
  VariantInit(&variant);
  variant.vt = VT_BSTR;
  variant.bstrVal = value;
  return variant;
}

}  // namespace

MsxmlScenarioTexts::MsxmlScenarioTexts() {
  HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  comReady_ = SUCCEEDED(result);
}

MsxmlScenarioTexts::~MsxmlScenarioTexts() {
  Release();
  if (comReady_) CoUninitialize();
}

void MsxmlScenarioTexts::Release() {
  if (document_) document_->Release();
  document_ = nullptr;
}

bool MsxmlScenarioTexts::Load(const std::string& path) {
  Release();
  // The loader has read the file within the limit for texts already; one
  // that has grown past it since is not parsed.
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &attributes) ||
      ((static_cast<std::uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow) >
          kMaxTextFileBytes)
    return false;
  IXMLDOMDocument2* document = CreateDocument();
  if (!document) return false;
  document->put_async(VARIANT_FALSE);
  document->put_validateOnParse(VARIANT_FALSE);
  document->put_resolveExternals(VARIANT_FALSE);
  document->put_preserveWhiteSpace(VARIANT_TRUE);  // texts are shown as written
  Bstr language(L"SelectionLanguage"), xpath(L"XPath");
  document->setProperty(language.get(), StringVariant(xpath.get()));
  // A document type declaration is refused, as version 6 refuses it by itself:
  // its entities could make a text of any size. Wine's parser does not refuse
  // it, so the loaded document is checked for one too.
  Bstr prohibit(L"ProhibitDTD");
  VARIANT yes{};
  yes.vt = VT_BOOL;
  yes.boolVal = VARIANT_TRUE;
  document->setProperty(prohibit.get(), yes);

  Bstr file(Widen(path));
  VARIANT_BOOL loaded = VARIANT_FALSE;
  HRESULT result = document->load(StringVariant(file.get()), &loaded);
  IXMLDOMDocumentType* type = nullptr;
  if (SUCCEEDED(result) && loaded == VARIANT_TRUE && SUCCEEDED(document->get_doctype(&type)) &&
      type != nullptr) {
    type->Release();
    loaded = VARIANT_FALSE;
  }
  if (FAILED(result) || loaded != VARIANT_TRUE) {
    document->Release();
    return false;
  }
  document_ = document;
  return true;
}

std::string MsxmlScenarioTexts::Lookup(const std::string& id) const {
  if (!document_) return {};
  IXMLDOMElement* root = nullptr;
  if (FAILED(document_->get_documentElement(&root)) || !root) return {};
  Bstr query(L"//String[@id=" + XPathLiteral(Widen(id)) + L"]");
  IXMLDOMNode* node = nullptr;
  HRESULT result = root->selectSingleNode(query.get(), &node);
  root->Release();
  if (FAILED(result) || !node) return {};
  Bstr text;
  result = node->get_text(text.out());
  node->Release();
  return SUCCEEDED(result) ? Narrow(text.text()) : std::string();
}

}  // namespace lister
