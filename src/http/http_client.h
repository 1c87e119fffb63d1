#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "http/channel.h"
#include "http/cookie_manager.h"
#include "http/request.h"
#include "http/response.h"
#include "http/uri.h"

// The program's HTTP/1.1 client: one object serves every request, keeping the
// current URL, the request fields, the cookie store and the connection.
namespace vorlan::http {

class TIOHandlerStack;

class THttpClient {
 public:
  THttpClient();
  // Connections come from the given connector (tests and fuzzing use
  // in-memory or scripted connections).
  explicit THttpClient(TConnector connector);
  ~THttpClient();
  THttpClient(const THttpClient&) = delete;
  THttpClient& operator=(const THttpClient&) = delete;

  // GET, text form: the body decoded by its charset.
  std::u16string Get(std::u16string_view url);
  // GET, stream form: the body bytes are appended to `stream`; on failure the
  // stream is left as it was.
  void Get(std::u16string_view url, std::vector<uint8_t>& stream);

  // Waiting limits; the defaults are the program's constants.
  TWaitLimits& WaitLimits() { return wait_limits_; }

  const TUri& Url() const { return url_; }
  THttpRequest& Request() { return request_; }
  const THttpResponse& Response() const { return response_; }
  // Null until the first response header has been read.
  const TCookieManager* CookieManager() const { return cookie_manager_.get(); }
  // True while a connection is open (for tests of connection reuse).
  bool HasOpenConnection() const;

 private:
  void DoGet(std::u16string_view url, std::vector<uint8_t>& body);
  // One exchange; true when it must be repeated (authorisation).
  bool Exchange(std::vector<uint8_t>& body);
  void PrepareRequest(const TUri& parsed);
  void PrepareConnection();
  void WriteRequest();
  void ReadResponseHeader();
  bool HandleStatus(std::vector<uint8_t>& body);
  bool HandleAuthorisation();
  void TakeCookies();
  [[noreturn]] void RaiseProtocolError();
  void CloseUnlessKeptAlive();
  TCookieUrl CookieUrl() const;

  TConnector connector_;
  TWaitLimits wait_limits_;
  TUri url_;
  THttpRequest request_;
  THttpResponse response_;
  std::unique_ptr<TCookieManager> cookie_manager_;
  std::unique_ptr<TIOHandlerStack> io_;
  bool previous_allows_keep_alive_ = true;
  std::string auth_scheme_;  // attached by a 401 answer; empty when none
  int auth_attempts_ = 0;
  int proxy_auth_attempts_ = 0;
  int redirects_ = 0;
};

}  // namespace vorlan::http
