#include "transport/FtpErros.h"

#include <curl/curl.h>

namespace zv::transport {

int codigoDoErro(int resultadoCurl)
{
    switch (CURLcode(resultadoCurl)) {
    case CURLE_OK:
        return kFtpSemErro;
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return kFtpTempoEsgotado;
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_FTP_WEIRD_PASS_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_COULDNT_SET_TYPE:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_QUOTE_ERROR:
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_COULDNT_USE_REST:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_REMOTE_FILE_EXISTS:
    case CURLE_FTP_PRET_FAILED:
        return kFtpRespostaServidor;
    case CURLE_URL_MALFORMAT:
        return kFtpNomeInvalido;
    case CURLE_COULDNT_RESOLVE_HOST:
        return kFtpNomeNaoResolvido;
    case CURLE_LOGIN_DENIED:
        return kFtpLoginRecusado;
    case CURLE_ABORTED_BY_CALLBACK:
        return kFtpCancelada;
    case CURLE_COULDNT_CONNECT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_ACCEPT_FAILED:
        return kFtpSemConexao;
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
        return kFtpConexaoInterrompida;
    case CURLE_RECV_ERROR:
        return kFtpConexaoRedefinida;
    default:
        return kFtpErroInterno;
    }
}

QString mensagemDoCodigo(int codigo)
{
    switch (codigo) {
    case kFtpTempoEsgotado: return QStringLiteral("O tempo limite da operação se esgotou");
    case kFtpErroInterno: return QStringLiteral("Ocorreu um erro interno na transferência");
    case kFtpNomeInvalido: return QStringLiteral("O nome do servidor ou do arquivo é inválido");
    case kFtpNomeNaoResolvido: return QStringLiteral("O nome ou endereço do servidor não pôde ser resolvido");
    case kFtpLoginRecusado: return QStringLiteral("O servidor recusou o usuário ou a senha");
    case kFtpCancelada: return QStringLiteral("A operação foi cancelada");
    case kFtpSemConexao: return QStringLiteral("Não foi possível estabelecer uma conexão com o servidor");
    case kFtpConexaoInterrompida: return QStringLiteral("A conexão com o servidor foi encerrada de forma anormal");
    case kFtpConexaoRedefinida: return QStringLiteral("A conexão com o servidor foi redefinida");
    default: return {};
    }
}

QString textoDoErro(const QString& etapa, int codigo, const QString& mensagem)
{
    return etapa + QStringLiteral("Código do Erro: ") + QString::number(codigo) + QStringLiteral(" Mensagem: ")
        + mensagem.left(kCampoMensagem).leftJustified(kCampoMensagem, QLatin1Char(' '));
}

} // namespace zv::transport
