#pragma once
#include <QString>

namespace zv::transport {

// The error codes a caller of the FTP object sees: the platform internet
// library's own numbers, so that a support note written for the office's
// desktops reads the same here. docs/ftp.md lists them.
inline constexpr int kFtpSemErro = 0;
inline constexpr int kFtpTempoEsgotado = 12002;
inline constexpr int kFtpRespostaServidor = 12003; // the message is the server's last response
inline constexpr int kFtpErroInterno = 12004;
inline constexpr int kFtpNomeInvalido = 12005;
inline constexpr int kFtpNomeNaoResolvido = 12007;
inline constexpr int kFtpLoginRecusado = 12014;
inline constexpr int kFtpCancelada = 12017;
inline constexpr int kFtpSemConexao = 12029;
inline constexpr int kFtpConexaoInterrompida = 12030;
inline constexpr int kFtpConexaoRedefinida = 12031;

// The code for a transfer library result (a CURLcode).
int codigoDoErro(int resultadoCurl);

// The text of a code; empty for 12003, whose text is the server's, and for
// a code the table does not know.
QString mensagemDoCodigo(int codigo);

// The message field of the error report is this many characters wide.
inline constexpr int kCampoMensagem = 2048;

// The error report's text: the failed step, the code and its message,
// "FtpOpenFileCódigo do Erro: 12003 Mensagem: 550 ..." with the message
// padded with blanks (or cut) to the fixed field.
QString textoDoErro(const QString& etapa, int codigo, const QString& mensagem);

} // namespace zv::transport
