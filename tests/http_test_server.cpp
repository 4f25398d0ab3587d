#include <winsock2.h>

#include "http_test_server.h"

#include <cstdio>

namespace {

const char* reasonOf(int status)
{
    switch (status) {
    case 200: return "OK";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

} // namespace

HttpTestServer::HttpTestServer()
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    static_assert(sizeof(Socket) == sizeof(SOCKET) && noSocket == INVALID_SOCKET, "a SOCKET fits");
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener_ == noSocket)
        return;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener_, 8) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(listener_);
        listener_ = noSocket;
        return;
    }
    port_ = ntohs(address.sin_port);
    std::snprintf(testSiteServer, sizeof testSiteServer, "127.0.0.1:%d", port_);
    thread_ = std::thread([this] { run(); });
}

HttpTestServer::~HttpTestServer()
{
    stopping_ = true;
    if (listener_ != noSocket)
        closesocket(listener_); // ends the accept
    if (thread_.joinable())
        thread_.join();
    WSACleanup();
}

void HttpTestServer::serve(const std::string& path, const HttpReply& reply)
{
    std::lock_guard<std::mutex> lock(mutex_);
    replies_[path] = reply;
}

std::vector<std::string> HttpTestServer::requests() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void HttpTestServer::run()
{
    while (!stopping_) {
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            break;
        answer(client);
        shutdown(client, SD_SEND);
        closesocket(client);
    }
}

void HttpTestServer::pause(uint32_t milliseconds)
{
    for (uint32_t waited = 0; waited < milliseconds && !stopping_; waited += 10)
        Sleep(10);
}

bool HttpTestServer::sendAll(Socket client, const char* bytes, size_t size)
{
    while (size > 0) {
        const int sent = send(client, bytes, static_cast<int>(size), 0);
        if (sent <= 0)
            return false;
        bytes += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

void HttpTestServer::answer(Socket client)
{
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 16384) {
        const int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        head.append(buffer, static_cast<size_t>(got));
    }
    // "GET /path HTTP/1.1"
    const size_t start = head.find(' ');
    const size_t end = start == std::string::npos ? start : head.find(' ', start + 1);
    if (end == std::string::npos)
        return;
    const std::string path = head.substr(start + 1, end - start - 1);

    HttpReply reply;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(path);
        const auto found = replies_.find(path);
        if (found != replies_.end()) {
            reply = found->second;
            if (!reply.basicCredentials.empty() &&
                head.find("Authorization: Basic " + reply.basicCredentials + "\r\n") == std::string::npos) {
                reply.status = 401;
                reply.body = "<html><body>401 Unauthorized</body></html>";
                reply.basicCredentials = "ask";
            }
        } else {
            reply.status = 404;
            reply.body = "<html><body>404 Not Found</body></html>";
        }
    }

    char header[512];
    std::snprintf(header, sizeof header, "HTTP/1.1 %d %s\r\nContent-Type: application/octet-stream\r\n", reply.status,
                  reasonOf(reply.status));
    std::string response = header;
    if (reply.status == 401)
        response += "WWW-Authenticate: Basic realm=\"Kadermeister\"\r\n";
    if (reply.contentLength)
        response += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
    response += "Cache-Control: no-store\r\nConnection: close\r\n\r\n";
    if (!sendAll(client, response.data(), response.size()))
        return;
    const size_t length = reply.cutAfter < reply.body.size() ? reply.cutAfter : reply.body.size();
    piecesLeft_ = (length + 1023) / 1024;
    pause(reply.firstDelay);
    for (size_t sent = 0; sent < length && !stopping_;) {
        const size_t piece = length - sent < 1024 ? length - sent : 1024;
        if (!sendAll(client, reply.body.data() + sent, piece))
            break;
        sent += piece;
        --piecesLeft_;
        if (sent < length)
            pause(reply.pieceDelay);
    }
}
