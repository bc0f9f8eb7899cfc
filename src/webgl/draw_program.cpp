// Compiling the shader pair and feeding it DrawVertex records.
#include "webgl/draw_program.h"

#include "screen/separate_primitives.h"

#include <cstdio>

namespace {

const char *const VertexSource = R"(
attribute vec2 Position;
attribute vec2 TexCoord;
attribute vec4 Tint;
uniform mat4 Matrix;
uniform vec2 BorderInset;
varying vec2 FragmentTexCoord;
varying vec4 FragmentTint;
void main() {
  FragmentTexCoord = TexCoord;
  FragmentTint = Tint;
  vec4 Place = Matrix * vec4(Position, 0.0, 1.0);
  vec2 Inside = clamp(Place.xy, BorderInset - 1.0, 1.0 - BorderInset);
  gl_Position = vec4(mix(Place.xy, Inside, step(abs(abs(Place.xy) - 1.0), BorderInset)), Place.zw);
}
)";

const char *const FragmentSource = R"(
precision mediump float;
uniform sampler2D Image;
uniform float Textured;
varying vec2 FragmentTexCoord;
varying vec4 FragmentTint;
void main() {
  vec4 Texel = texture2D(Image, FragmentTexCoord);
  gl_FragColor = FragmentTint * mix(vec4(1.0), Texel, Textured);
}
)";

GLuint compileShader(GLenum Kind, const char *Source) {
  const GLuint Shader = glCreateShader(Kind);
  glShaderSource(Shader, 1, &Source, nullptr);
  glCompileShader(Shader);
  GLint Compiled = 0;
  glGetShaderiv(Shader, GL_COMPILE_STATUS, &Compiled);
  if (Compiled)
    return Shader;
  char Log[512] = "";
  glGetShaderInfoLog(Shader, sizeof Log, nullptr, Log);
  std::fprintf(stderr, "shader: %s\n", Log);
  glDeleteShader(Shader);
  return 0;
}

} // namespace

ClipMatrix panelMatrix(int PanelLayoutWidth, const DrawTransform &Matrix) {
  const AffineMap Map = placementOf(Matrix);
  // The panel's projection after the placement, y turned down.
  const float ToClipX = 2.0f / static_cast<float>(PanelLayoutWidth);
  const float ToClipY = -2.0f / static_cast<float>(LayoutHeight);
  ClipMatrix M{};
  M[0] = ToClipX * Map.Xx;
  M[1] = ToClipY * Map.Xy;
  M[4] = ToClipX * Map.Yx;
  M[5] = ToClipY * Map.Yy;
  M[10] = 1;
  M[12] = ToClipX * Map.Tx - 1;
  M[13] = ToClipY * Map.Ty + 1;
  M[15] = 1;
  return M;
}

DrawProgram::DrawProgram() {
  const GLuint Vertex = compileShader(GL_VERTEX_SHADER, VertexSource);
  const GLuint Fragment = compileShader(GL_FRAGMENT_SHADER, FragmentSource);
  if (!Vertex || !Fragment)
    return;
  const GLuint Linked = glCreateProgram();
  glAttachShader(Linked, Vertex);
  glAttachShader(Linked, Fragment);
  glLinkProgram(Linked);
  glDeleteShader(Vertex);
  glDeleteShader(Fragment);
  GLint Ok = 0;
  glGetProgramiv(Linked, GL_LINK_STATUS, &Ok);
  if (!Ok) {
    std::fprintf(stderr, "shader program did not link\n");
    glDeleteProgram(Linked);
    return;
  }
  Program = Linked;
  Position = glGetAttribLocation(Program, "Position");
  TexCoord = glGetAttribLocation(Program, "TexCoord");
  Tint = glGetAttribLocation(Program, "Tint");
  MatrixUniform = glGetUniformLocation(Program, "Matrix");
  TexturedUniform = glGetUniformLocation(Program, "Textured");
  BorderInsetUniform = glGetUniformLocation(Program, "BorderInset");
  ImageUniform = glGetUniformLocation(Program, "Image");
}

DrawProgram::~DrawProgram() {
  if (Program)
    glDeleteProgram(Program);
}

void DrawProgram::use() const {
  glUseProgram(Program);
  glUniform1i(ImageUniform, 0);
}

void DrawProgram::bindVertexLayout() const {
  const auto Stride = static_cast<GLsizei>(sizeof(DrawVertex));
  glEnableVertexAttribArray(static_cast<GLuint>(Position));
  glVertexAttribPointer(static_cast<GLuint>(Position), 2, GL_FLOAT, GL_FALSE, Stride,
                        reinterpret_cast<const void *>(offsetof(DrawVertex, X)));
  glEnableVertexAttribArray(static_cast<GLuint>(TexCoord));
  glVertexAttribPointer(static_cast<GLuint>(TexCoord), 2, GL_FLOAT, GL_FALSE, Stride,
                        reinterpret_cast<const void *>(offsetof(DrawVertex, S)));
  glEnableVertexAttribArray(static_cast<GLuint>(Tint));
  glVertexAttribPointer(static_cast<GLuint>(Tint), 4, GL_FLOAT, GL_FALSE, Stride,
                        reinterpret_cast<const void *>(offsetof(DrawVertex, Tint)));
}

void DrawProgram::setMatrix(const ClipMatrix &Matrix) const {
  glUniformMatrix4fv(MatrixUniform, 1, GL_FALSE, Matrix.data());
}

void DrawProgram::setBorderInset(float ClipX, float ClipY) const {
  glUniform2f(BorderInsetUniform, ClipX, ClipY);
}

void DrawProgram::setTextured(bool Textured) const {
  glUniform1f(TexturedUniform, Textured ? 1.0f : 0.0f);
}
