#include "http/http_client.h"

#include "http/authentication.h"
#include "http/charset.h"
#include "http/http_errors.h"
#include "http/io_handler.h"
#include "http/response_reader.h"
#include "platform/ascii.h"
#include "platform/text.h"

namespace vorlan::http {

using platform::AsciiLowerCopy;
using platform::EqualsIgnoreCase;
using platform::ParseDecimal;
using platform::ToAscii;
using platform::TrimControlAndSpace;
namespace {

bool IsProtocol(std::u16string_view protocol, std::string_view name) {
  return EqualsIgnoreCase(ToAscii(protocol), name);
}

uint16_t PortNumber(std::u16string_view port) {
  const std::optional<int64_t> number = ParseDecimal(ToAscii(port));
  if (!number || *number > 0xFFFF) return 80;
  return static_cast<uint16_t>(*number);
}

std::string_view BodyText(const std::vector<uint8_t>& body, size_t from) {
  return {reinterpret_cast<const char*>(body.data()) + from, body.size() - from};
}

std::u16string DecodeBody(const THttpResponse& response, std::string_view bytes) {
  const ContentTypeInfo info{response.content_type, response.charset};
  return DecodeText(bytes, ResponseCharset(info, bytes));
}

}  // namespace

THttpClient::THttpClient() : THttpClient(ConnectTcp) {}

THttpClient::THttpClient(TConnector connector) : connector_(std::move(connector)) {}

THttpClient::~THttpClient() = default;

bool THttpClient::HasOpenConnection() const { return io_ && io_->IsOpen(); }

std::u16string THttpClient::Get(std::u16string_view url) {
  std::vector<uint8_t> body;
  DoGet(url, body);
  return DecodeBody(response_, BodyText(body, 0));
}

void THttpClient::Get(std::u16string_view url, std::vector<uint8_t>& stream) { DoGet(url, stream); }

void THttpClient::DoGet(std::u16string_view url, std::vector<uint8_t>& body) {
  redirects_ = 0;
  auth_attempts_ = 0;
  proxy_auth_attempts_ = 0;
  const size_t start = body.size();
  const TUri parsed = TUri::Parse(url);
  try {
    do {
      PrepareRequest(parsed);
      PrepareConnection();
    } while (Exchange(body));
  } catch (...) {
    body.resize(start);
    throw;
  }
}

bool THttpClient::Exchange(std::vector<uint8_t>& body) {
  try {
    WriteRequest();
    ReadResponseHeader();
    const bool again = HandleStatus(body);
    CloseUnlessKeptAlive();
    return again;
  } catch (const EHttpProtocolException&) {
    CloseUnlessKeptAlive();
    throw;
  } catch (...) {
    // Whatever is left of this answer would be misread as the next one.
    previous_allows_keep_alive_ = false;
    if (io_) io_->Disconnect();
    throw;
  }
}

void THttpClient::PrepareRequest(const TUri& parsed) {
  TUri next = url_;
  if (!parsed.username.empty() || !parsed.password.empty()) {
    request_.username = parsed.username;
    request_.password = parsed.password;
  }
  if (!parsed.path.empty() && parsed.path.front() == u'/') {
    next.path = parsed.path;
  } else {
    next.path = ResolveRelativePath(next.path.empty() ? u"/" : next.path, parsed.path);
  }
  next.document = parsed.document;
  next.params = parsed.params;
  next.bookmark = parsed.bookmark;
  if (!parsed.host.empty()) {
    next.host = parsed.host;
    next.ipv6 = parsed.ipv6;
  }
  if (!parsed.protocol.empty()) {
    next.protocol = parsed.protocol;
  } else {
    next.protocol = IsProtocol(next.protocol, "https") ? u"https" : u"http";
  }
  if (!parsed.port.empty()) {
    next.port = parsed.port;
  } else if (IsProtocol(parsed.protocol, "http")) {
    next.port = u"80";
  } else if (IsProtocol(parsed.protocol, "https")) {
    next.port = u"443";
  } else if (next.port.empty()) {
    throw Error(std::string(kUnknownProtocol));
  }
  next.username = parsed.username;
  next.password = parsed.password;
  url_ = std::move(next);

  std::u16string target = url_.path + url_.document;
  if (!url_.params.empty()) target += u'?' + url_.params;
  request_.target = ToAscii(target);
  request_.content_length = -1;
  const std::string host = ToAscii(url_.ipv6 ? u"[" + url_.host + u"]" : url_.host);
  const bool default_port = (IsProtocol(url_.protocol, "http") && url_.port == u"80") ||
                            (IsProtocol(url_.protocol, "https") && url_.port == u"443");
  request_.host = default_port ? host : host + ":" + ToAscii(url_.port);
  request_.accept_encoding = WithIdentityEncoding(request_.accept_encoding);
  request_.authorization = AuthorizationValue(auth_scheme_, request_.username, request_.password);
}

void THttpClient::PrepareConnection() {
  if (!io_) io_ = std::make_unique<TIOHandlerStack>(connector_, wait_limits_);
  const platform::AddressFamily family = url_.ipv6 ? platform::AddressFamily::kIPv6 : platform::AddressFamily::kIPv4;
  if (io_->IsOpen() && io_->Family() != family) io_->Disconnect();
  const std::string host = platform::Utf16ToUtf8(url_.host);
  const uint16_t port = PortNumber(url_.port);
  if (io_->IsOpen() && (!EqualsIgnoreCase(io_->Host(), host) || io_->Port() != port)) io_->Disconnect();
  if (IsProtocol(url_.protocol, "https")) throw Error(std::string(kIOHandlerNotValid));
  if (!previous_allows_keep_alive_) io_->Disconnect();
  io_->ClearInputBuffer();
  // Polling notices a connection the server has closed meanwhile; bytes it
  // sent unasked belong to no request.
  io_->Connected();
  io_->ClearInputBuffer();
  if (!io_->IsOpen()) io_->Connect(host, port, family);
}

TCookieUrl THttpClient::CookieUrl() const {
  return TCookieUrl{ToAscii(url_.protocol), AsciiLowerCopy(ToAscii(url_.host)), ToAscii(url_.path),
                    ToAscii(url_.path + url_.document)};
}

void THttpClient::WriteRequest() {
  const std::string cookie = cookie_manager_ ? cookie_manager_->CookieHeader(CookieUrl(), CookieTimeNow()) : "";
  const THeaderList header = ComposeRequestHeader(request_, cookie);
  io_->WriteBufferOpen();
  try {
    io_->WriteLn(request_.method + " " + request_.target + " HTTP/1.1");
    for (const std::string& line : header.Lines()) {
      if (!line.empty()) io_->WriteLn(line);
    }
    io_->WriteLn("");
    io_->WriteBufferClose();
  } catch (...) {
    io_->WriteBufferCancel();
    throw;
  }
}

void THttpClient::ReadResponseHeader() {
  do {
    ReadStatusAndHeader(*io_, response_);
    TakeCookies();
  } while (response_.status_code == 100);
}

void THttpClient::TakeCookies() {
  if (!cookie_manager_) cookie_manager_ = std::make_unique<TCookieManager>();
  const TCookieUrl url = CookieUrl();
  const TCookieTime now = CookieTimeNow();
  for (const std::string& field : response_.raw_headers.Values("Set-Cookie")) {
    cookie_manager_->AddServerCookie(field, url, now);
  }
}

bool THttpClient::HandleStatus(std::vector<uint8_t>& body) {
  const int code = response_.status_code;
  const bool head_request = request_.method == "HEAD";
  if (code >= 200 && code < 300) {
    if (head_request || code == 204) return false;
    ReadResponseBody(*io_, response_, head_request, wait_limits_, body);
    return false;
  }
  if (code >= 300 && code < 400 && code != 304) {
    // Redirects are not followed: with no handler the answer is the
    // HandleRedirects setting, which is off.
    if (!response_.location.empty()) ++redirects_;
    RaiseProtocolError();
  }
  if (code == 401 || code == 407) {
    if (HandleAuthorisation()) return true;
  }
  RaiseProtocolError();
}

bool THttpClient::HandleAuthorisation() {
  int& attempts = response_.status_code == 401 ? auth_attempts_ : proxy_auth_attempts_;
  ++attempts;
  if (response_.status_code == 401) {
    for (const std::string& challenge : response_.raw_headers.Values("WWW-Authenticate")) {
      if (std::string scheme = KnownAuthScheme(challenge); !scheme.empty()) {
        auth_scheme_ = std::move(scheme);
        break;
      }
    }
  }
  // Only the server's own authorisation can be answered: no proxy is set.
  const bool credentials = response_.status_code == 401 && !request_.password.empty() && !auth_scheme_.empty();
  if (attempts >= kMaxAuthRetries || !credentials) return false;
  std::vector<uint8_t> discarded;
  ReadResponseBody(*io_, response_, false, wait_limits_, discarded);
  return true;
}

void THttpClient::RaiseProtocolError() {
  // The error answer's body is read so that the connection stays in step.
  std::vector<uint8_t> error_body;
  try {
    ReadResponseBody(*io_, response_, request_.method == "HEAD", wait_limits_, error_body);
  } catch (const Error&) {
    // The status is what the caller needs to hear about; the connection is
    // out of step now.
    io_->Disconnect();
  }
  throw EHttpProtocolException(response_.status_line, response_.status_code,
                               DecodeBody(response_, BodyText(error_body, 0)));
}

void THttpClient::CloseUnlessKeptAlive() {
  const bool open = io_->Connected() && io_->IsOpen();
  const auto is_close = [](const std::string& value) { return EqualsIgnoreCase(TrimControlAndSpace(value), "close"); };
  response_.keep_alive = open && !is_close(response_.connection) && !is_close(response_.proxy_connection);
  previous_allows_keep_alive_ = response_.keep_alive;
  if (!response_.keep_alive) io_->Disconnect();
}

}  // namespace vorlan::http
