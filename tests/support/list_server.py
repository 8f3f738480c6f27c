#!/usr/bin/env python3
"""A small web server on 127.0.0.1 for the download tests and benchmark.

Serves the files under ROOT and the failures a list download must survive:
  /missing          404 Not Found (so is any file that does not exist)
  /stall            headers announcing 1000 bytes, then silence
  /cut              Content-Length 1000, 100 bytes sent, connection closed
  /endless          a body without length that never ends
  /drip             Content-Length 1000, one byte every 0.1 s
  /announced-huge   Content-Length of 1 GB, then silence
  /redirect/N/PATH  N redirects, then PATH
  /loop             a redirect to itself
  /to-file          a redirect to file:///etc/passwd
Prints the port on the first line of standard output and ends when standard
input closes, so a test that dies takes its server with it.

  list_server.py ROOT [--tls FOLDER]

--tls serves https with a self-signed certificate made in FOLDER.
"""
import http.server
import os
import ssl
import subprocess
import sys
import threading
import time
import urllib.parse


class Handler(http.server.BaseHTTPRequestHandler):
    root = "."

    def log_message(self, *args):
        pass

    def _head(self, status, length=None, extra=()):
        self.send_response(status)
        if length is not None:
            self.send_header("Content-Length", str(length))
        for name, value in extra:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.flush()

    def _redirect(self, location):
        self._head(302, 0, [("Location", location)])

    def do_GET(self):
        path = urllib.parse.urlsplit(self.path).path
        if path == "/stall":
            self._head(200, 1000)
            time.sleep(30)
        elif path == "/cut":
            self._head(200, 1000)
            self.wfile.write(b"[x]\n" * 25)
            self.wfile.flush()
            self.close_connection = True
        elif path == "/drip":
            self._head(200, 1000)
            try:
                for _ in range(1000):
                    self.wfile.write(b"#")
                    self.wfile.flush()
                    time.sleep(0.1)
            except OSError:
                pass
        elif path == "/endless":
            self._head(200, None, [("Connection", "close")])
            chunk = b"#" * 65536
            try:
                while True:
                    self.wfile.write(chunk)
            except OSError:
                pass
        elif path == "/announced-huge":
            self._head(200, 1 << 30)
            time.sleep(30)
        elif path.startswith("/redirect/"):
            count, _, rest = path[len("/redirect/"):].partition("/")
            left = int(count) - 1
            self._redirect("/" + rest if left <= 0 else "/redirect/%d/%s" % (left, rest))
        elif path == "/loop":
            self._redirect("/loop")
        elif path == "/to-file":
            self._redirect("file:///etc/passwd")
        else:
            self._serve_file(urllib.parse.unquote(path))

    def _serve_file(self, path):
        full = os.path.normpath(os.path.join(self.root, path.lstrip("/")))
        if not full.startswith(os.path.abspath(self.root)) or not os.path.isfile(full):
            self.send_error(404)
            return
        with open(full, "rb") as f:
            body = f.read()
        self._head(200, len(body))
        self.wfile.write(body)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # refused handshakes and closed connections are what the tests do


def self_signed(folder):
    cert = os.path.join(folder, "server.crt")
    key = os.path.join(folder, "server.key")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec",
                    "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-subj", "/CN=127.0.0.1", "-days", "1", "-keyout", key, "-out", cert],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


def main():
    Handler.root = os.path.abspath(sys.argv[1])
    server = Server(("127.0.0.1", 0), Handler)
    if len(sys.argv) > 3 and sys.argv[2] == "--tls":
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(*self_signed(sys.argv[3]))
        server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print(server.server_address[1], flush=True)
    sys.stdin.read()
    os._exit(0)


if __name__ == "__main__":
    main()
